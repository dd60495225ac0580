// A rules file that reaches up by including: a widget header, a network
// header, and a header of the window layer above it.
#include "high/Window.h"
#include <QNetworkAccessManager>
#include <QWidget>
