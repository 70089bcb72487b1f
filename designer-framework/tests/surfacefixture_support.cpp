#include "surfacefixture.h"

#include "classlib/core/classbuilder.h"
#include "classlib/design/componenteditor.h"

#include <QApplication>

namespace designer_framework::test {

const TClassInfo& TShape::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TShape>("TShape")
        .Prop("Kind", &TShape::Kind).Default(skRectangle)
        .Prop("Sides", &TShape::Sides)
        .Build();
    return info;
}

TShape::TShape(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 65, 41);
}

const TClassInfo& TBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBox>("TBox").Build();
    return info;
}

const TClassInfo& TTicker::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTicker>("TTicker").Build();
    return info;
}

namespace {

class TTickerEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    void Edit() override { ++TTicker::Edits; }
};

struct TRegisterEditor {
    TRegisterEditor() { RegisterComponentEditor(TTicker::StaticClass(), ComponentEditorClass<TTickerEditor>()); }
} RegisterEditor;

} // namespace

SurfaceTest::SurfaceTest()
{
    Surface->SetName("Surface");
    Surface->SetBounds(50, 40, 400, 300);
    Surface->Show();
    Designer = new TExtDesigner(Inspector.get());
    Surface->SetInspector(Designer);
    Log.clear();
}

SurfaceTest::~SurfaceTest()
{
    SetCaptureControl(nullptr);
    ClipCursor(nullptr);
}

void SurfaceTest::Press(TControl* C, TPoint At, Qt::MouseButton B, Qt::KeyboardModifiers M)
{
    QTest::mousePress(C->Widget(), B, M, QPoint(At.X, At.Y));
}

void SurfaceTest::MoveTo(TControl* C, TPoint At)
{
    QTest::mouseMove(C->Widget(), QPoint(At.X, At.Y));
}

void SurfaceTest::Release(TControl* C, TPoint At, Qt::MouseButton B)
{
    QTest::mouseRelease(C->Widget(), B, {}, QPoint(At.X, At.Y));
}

void SurfaceTest::DoubleClick(TControl* C, TPoint At)
{
    // What a window system sends for a double click; QTest sends only the third.
    Press(C, At);
    Release(C, At);
    QTest::mouseDClick(C->Widget(), Qt::LeftButton, {}, QPoint(At.X, At.Y));
    Release(C, At);
}

void SurfaceTest::Key(Qt::Key K, Qt::KeyboardModifiers M)
{
    QTest::keyClick(Surface->Widget(), K, M);
}

void SurfaceTest::Drag(TControl* C, TPoint From, TPoint To)
{
    Press(C, From);
    MoveTo(C, To);
    Release(C, To);
}

QList<TComponent*> SurfaceTest::Selected() const
{
    QList<TComponent*> list;
    for (int i = 0; i < Surface->SelectionCount(); ++i) list.append(Surface->GetSelectedComponent(i));
    return list;
}

bool SurfaceTest::HandlesShown() const
{
    for (int i = 0; i < 8; ++i)
        if (!Surface->Handles(i)->Visible()) return false;
    return true;
}

} // namespace designer_framework::test
