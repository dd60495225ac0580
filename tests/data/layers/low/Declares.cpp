// A rules file that reaches up without an include: it declares a function of
// the window layer itself and calls it.
void OpenWindowOfHighLayer();

int RuleThatOpensAWindow()
{
    OpenWindowOfHighLayer();
    return 0;
}
