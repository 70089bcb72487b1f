#include "classlib/controls/screen.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/hints.h"
#include "classlib/controls/mouse.h"
#include "classlib/core/classbuilder.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace classlib {

const TClassInfo& TScreen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScreen>("TScreen").Build();
    return info;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TForm* TScreen::ActiveForm() const
{
    for (TForm* f : FForms)
        if (f->Widget() && f->Widget()->isWindow() && f->Widget()->isActiveWindow())
            return f;
    return nullptr;
}

void TScreen::AddForm(TForm* Form)
{
    if (!FForms.contains(Form))
        FForms.append(Form);
    static bool watching = false;
    if (!watching && qGuiApp) {
        watching = true;
        QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp,
                         [this] { CallGuarded(this, [this] { ActiveWindowChanged(); }); });
        detail::InstallHintTracking();
    }
}

void TScreen::RemoveForm(TForm* Form)
{
    FForms.removeOne(Form);
    if (Form == FLastActive)
        FLastActive = nullptr;
}

void TScreen::ActiveWindowChanged()
{
    TForm* now = ActiveForm();
    if (now == FLastActive)
        return;
    FLastActive = now;
    OnActiveFormChange(this);
}

TScreen* Screen()
{
    // Never freed: forms that outlive static destruction still leave it.
    static TScreen* const screen = new TScreen(nullptr);
    return screen;
}

TWinControl* FindVCLWindow(const TPoint& Pos)
{
    for (QWidget* w = QApplication::widgetAt(Pos.X, Pos.Y); w; w = w->parentWidget())
        if (auto* c = dynamic_cast<TWinControl*>(detail::ControlOfWidget(w)))
            return c;
    return nullptr;
}

} // namespace classlib
