#include "high/Window.h"

void OpenWindowOfHighLayer() {}
