// A folder that uses its neighbour, which it does not declare: one half of a
// cycle between the two.
void RuleOfNeighbour();

void RuleThatUsesNeighbour() { RuleOfNeighbour(); }
