#pragma once
// How every window of the program starts. Its constructor builds its
// controls and connects its handlers; whoever opens it then calls Load(),
// which runs the window's Form_Load (what it reads and shows before the
// player sees it) the first time, and sets any preset after that. A window
// shown before it was loaded loads as it shows.
//
//   class About : public LoadOnce<QDialog> { ... void Form_Load() override; };
//
//   About window(main);
//   window.Load();
//   ShowModal(&window);

#include <QShowEvent>

template <class Base>
class LoadOnce : public Base {
public:
    using Base::Base;

    // Runs Form_Load the first time; later calls do nothing.
    void Load()
    {
        if (loaded_)
            return;
        loaded_ = true;
        Form_Load();
    }

protected:
    // The window's start (the default: nothing to read).
    virtual void Form_Load() {}

    void showEvent(QShowEvent* event) override
    {
        Load();
        Base::showEvent(event);
    }

private:
    bool loaded_ = false;
};
