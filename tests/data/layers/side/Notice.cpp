#include "side/Notice.h"

void Notice::refresh() { emit changed(); }
