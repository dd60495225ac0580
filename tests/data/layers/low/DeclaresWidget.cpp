// A rules file that reaches a widget without its header: it declares the
// widget class's function itself and calls it.
class QWidget {
public:
    void show();
};

void ShowFromARule(QWidget* window) { window->show(); }
