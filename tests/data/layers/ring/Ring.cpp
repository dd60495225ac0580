// Two folders the table lets use each other: each call is allowed by itself,
// but together they make a cycle.
void RoundRule();

void RingRule() { RoundRule(); }

void RingHelper() {}
