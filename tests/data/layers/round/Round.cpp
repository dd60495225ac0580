void RingHelper();

void RoundRule() { RingHelper(); }
