// A rules file that reaches up by including a header of the window layer in
// angle brackets.
#include <high/Window.h>
