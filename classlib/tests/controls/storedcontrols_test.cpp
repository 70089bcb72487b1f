// The controls as a stored form holds them: settings written and read
// back, and each control's own events bound to the form's published
// methods by name.

#include "classlib/controls/combobox.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/form.h"
#include "classlib/controls/grids.h"
#include "classlib/controls/label.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/memo.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/streams.h"
#include "classlib/core/textform.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class TControlsForm : public TForm {
    QX_CLASS(TControlsForm, TForm)
public:
    explicit TControlsForm(TComponent* AOwner, bool Read = true) : TForm(AOwner)
    {
        if (Read)
            InitForm();
    }

    void ValueChange(TObject*) { Log << QStringLiteral("change"); }
    void ValueEnter(TObject*) { Log << QStringLiteral("enter"); }
    void GridDrawCell(TObject*, int ACol, int ARow, TRect, TGridDrawState)
    {
        Log << QStringLiteral("cell %1,%2").arg(ACol).arg(ARow);
    }
    void GridSelectCell(TObject*, int, int ARow, bool& CanSelect) { CanSelect = ARow != 1; }
    void ItemDraw(TWinControl* Control, int Index, TRect, TOwnerDrawState)
    {
        Log << QStringLiteral("%1 %2").arg(Control->Name()).arg(Index);
    }
    TMethod Method(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }

    TEdit* edtValue = nullptr;
    TStringGrid* dwgControl = nullptr;
    TListBox* lbxValue = nullptr;
    TComboBox* cmbControl = nullptr;
    TLabel* lblType = nullptr;
    TMemo* memStatus = nullptr;
    QStringList Log;
};

} // namespace

const TClassInfo& TControlsForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TControlsForm>("TControlsForm")
        .Field("edtValue", &TControlsForm::edtValue)
        .Field("dwgControl", &TControlsForm::dwgControl)
        .Field("lbxValue", &TControlsForm::lbxValue)
        .Field("cmbControl", &TControlsForm::cmbControl)
        .Field("lblType", &TControlsForm::lblType)
        .Field("memStatus", &TControlsForm::memStatus)
        .Method("ValueChange", &TControlsForm::ValueChange)
        .Method("ValueEnter", &TControlsForm::ValueEnter)
        .Method("GridDrawCell", &TControlsForm::GridDrawCell)
        .Method("GridSelectCell", &TControlsForm::GridSelectCell)
        .Method("ItemDraw", &TControlsForm::ItemDraw)
        .Build();
    return info;
}

namespace {

// The form as its text form states it.
QByteArray StoredForm()
{
    const QByteArray text = R"(object frmControls: TControlsForm
  object edtValue: TEdit
    MaxLength = 255
    ReadOnly = True
    Text = 'Label1'
    OnChange = ValueChange
    OnEnter = ValueEnter
  end
  object dwgControl: TStringGrid
    ColCount = 2
    DefaultDrawing = False
    DefaultRowHeight = 16
    Options = [goVertLine, goHorzLine, goColSizing, goRowSelect]
    RowCount = 3
    ScrollBars = ssVertical
    OnDrawCell = GridDrawCell
    OnSelectCell = GridSelectCell
  end
  object lbxValue: TListBox
    ItemHeight = 13
    Style = lbOwnerDrawFixed
    OnDrawItem = ItemDraw
  end
  object cmbControl: TComboBox
    ItemHeight = 16
    Sorted = True
    Style = csOwnerDrawFixed
    OnDrawItem = ItemDraw
  end
  object lblType: TLabel
    Caption = 'Integer'
  end
  object memStatus: TMemo
    WordWrap = False
  end
end
)";
    TMemoryStream in;
    in.Write(text.constData(), text.size());
    in.SetPosition(0);
    TMemoryStream out;
    ObjectTextToBinary(in, out);
    return out.Bytes();
}

TEST(StoredControls, SettingsAndEventsComeBackFromTheStream)
{
    RegisterClasses({&TEdit::StaticClass(), &TStringGrid::StaticClass(), &TListBox::StaticClass(),
                     &TComboBox::StaticClass(), &TLabel::StaticClass(), &TMemo::StaticClass()});
    RegisterFormResource(TControlsForm::StaticClass(), StoredForm());
    {
        TControlsForm form(nullptr);
        ASSERT_NE(form.edtValue, nullptr);
        ASSERT_NE(form.dwgControl, nullptr);
        ASSERT_NE(form.lbxValue, nullptr);
        ASSERT_NE(form.cmbControl, nullptr);
        ASSERT_NE(form.lblType, nullptr);
        ASSERT_NE(form.memStatus, nullptr);

        EXPECT_EQ(form.edtValue->MaxLength(), 255);
        EXPECT_TRUE(form.edtValue->ReadOnly());
        EXPECT_EQ(form.edtValue->Text(), QStringLiteral("Label1"));
        EXPECT_EQ(form.dwgControl->ColCount(), 2);
        EXPECT_EQ(form.dwgControl->RowCount(), 3);
        EXPECT_EQ(form.dwgControl->DefaultRowHeight(), 16);
        EXPECT_FALSE(form.dwgControl->DefaultDrawing());
        EXPECT_EQ(form.dwgControl->Options(), (TGridOptions{goVertLine, goHorzLine, goRowSelect, goColSizing}));
        EXPECT_EQ(form.dwgControl->ScrollBars(), ssVertical);
        EXPECT_EQ(form.lbxValue->ItemHeight(), 13);
        EXPECT_EQ(form.cmbControl->Style(), csOwnerDrawFixed);
        EXPECT_TRUE(form.cmbControl->Sorted());
        EXPECT_EQ(form.lblType->Caption(), QStringLiteral("Integer"));
        EXPECT_FALSE(form.memStatus->WordWrap());

        form.Log.clear();
        form.edtValue->SetText(QStringLiteral("Label2"));
        form.dwgControl->SetRow(2);
        form.dwgControl->SetRow(1);  // refused by the form's handler
        EXPECT_EQ(form.dwgControl->Row(), 2);
        form.dwgControl->Widget()->grab();
        form.lbxValue->Items()->Add(QStringLiteral("clRed"));
        form.lbxValue->Widget()->grab();
        EXPECT_EQ(form.Log, (QStringList{"change", "cell 0,0", "cell 1,0", "cell 0,1", "cell 1,1", "cell 0,2",
                                         "cell 1,2", "lbxValue 0"}));
    }
    UnregisterFormResource(TControlsForm::StaticClass());
    UnregisterClasses({&TEdit::StaticClass(), &TStringGrid::StaticClass(), &TListBox::StaticClass(),
                       &TComboBox::StaticClass(), &TLabel::StaticClass(), &TMemo::StaticClass()});
}

} // namespace
} // namespace classlib
