void RuleOfNeighbour() {}
