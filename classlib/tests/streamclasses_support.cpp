#include "streamclasses.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

namespace streamtest {

QStringList LoadLog;

namespace {

bool TintToInt(const QString& Ident, qint64& Value)
{
    if (SameText(Ident, u"tnBlack")) return Value = 0, true;
    if (SameText(Ident, u"tnRed")) return Value = 255, true;
    return false;
}

bool IntToTint(qint64 Value, QString& Ident)
{
    if (Value == 0) return Ident = QStringLiteral("tnBlack"), true;
    if (Value == 255) return Ident = QStringLiteral("tnRed"), true;
    return false;
}

} // namespace

const TClassInfo& TStmPen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmPen>("TStmPen")
        .Prop("Color", &TStmPen::Color)
        .Prop("Style", &TStmPen::Style).Default(0)
        .Build();
    return info;
}

void TStmPen::Assign(const TPersistent* Source)
{
    if (auto* p = dynamic_cast<const TStmPen*>(Source)) {
        Color = p->Color;
        Style = p->Style;
        return;
    }
    TPersistent::Assign(Source);
}

const TClassInfo& TStmFrame::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmFrame>("TStmFrame")
        .Prop("Width", &TStmFrame::Width).Default(0)
        .Prop("Edges", &TStmFrame::Edges).Default(0)
        .Prop("Pen", &TStmFrame::Pen)
        .Build();
    return info;
}

void TStmFrame::Assign(const TPersistent* Source)
{
    if (auto* f = dynamic_cast<const TStmFrame*>(Source)) {
        Width = f->Width;
        Edges = f->Edges;
        Pen->Assign(f->Pen);
        return;
    }
    TPersistent::Assign(Source);
}

const TClassInfo& TStmLine::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmLine>("TStmLine")
        .Prop("Pos", &TStmLine::Pos)
        .Prop("Caption", &TStmLine::Caption)
        .Prop("Link", &TStmLine::Link)
        .Build();
    return info;
}

void TStmLine::Assign(const TPersistent* Source)
{
    if (auto* l = dynamic_cast<const TStmLine*>(Source)) {
        Pos = l->Pos;
        Caption = l->Caption;
        Link = l->Link;
        return;
    }
    TCollectionItem::Assign(Source);
}

const TClassInfo& TStmLines::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmLines>("TStmLines").Build();
    return info;
}

const TClassInfo& TStmElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmElement>("TStmElement")
        .Prop("Left", &TStmElement::Left)
        .Prop("Small", &TStmElement::Small)
        .Prop("Byte", &TStmElement::Byte)
        .Prop("Big", &TStmElement::Big).Default(0)
        .Prop("Huge", &TStmElement::Huge).Default(0)
        .Prop("Shade", &TStmElement::Shade).Default(shNone)
        .Prop("Edges", &TStmElement::Edges)
        .Prop("Visible", &TStmElement::Visible).Default(true)
        .Prop("Ratio", &TStmElement::Ratio)
        .Prop("Ext", &TStmElement::Ext)
        .Prop("Caption", &TStmElement::Caption)
        .Prop("Short", &TStmElement::Short).Type(ShortStringType())
        .Prop("Letter", &TStmElement::Letter).Default('A')
        .Prop("Tint", &TStmElement::Tint)
        .Prop("Frame", &TStmElement::Frame)
        .Prop("Lines", &TStmElement::Lines)
        .Prop("Peer", &TStmElement::Peer, &TStmElement::SetPeer)
        .Prop("OnClick", &TStmElement::OnClick)
        .Build();
    return info;
}

TStmElement::TStmElement(TComponent* AOwner)
    : TComponent(AOwner), Frame(new TStmFrame), Lines(new TStmLines)
{
}

TStmElement::~TStmElement()
{
    delete Lines;
    delete Frame;
}

void TStmElement::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
    if (!Root) return;
    for (int i = 0; i < Root->ComponentCount(); ++i)
        if (auto* e = dynamic_cast<TStmElement*>(Root->Components(i)); e && e->ParentElement == this)
            Proc(e);
}

void TStmElement::ReadState(TReader& Reader)
{
    ParentElement = dynamic_cast<TStmElement*>(Reader.Parent());
    TComponent::ReadState(Reader);
}

void TStmElement::Loaded()
{
    StateAtLoaded = ComponentState();
    TComponent::Loaded();
    LoadLog << Name();
}

void TStmElement::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == Peer) Peer = nullptr;
    if (AComponent == ParentElement) ParentElement = nullptr;
}

void TStmElement::SetPeer(TStmElement* Value)
{
    Peer = Value;
    if (Value) Value->FreeNotification(this);
}

void TStmElement::DefineProperties(TFiler& Filer)
{
    TComponent::DefineProperties(Filer);
    Filer.DefineProperty(
        QStringLiteral("Notes"),
        [this](TReader& R) {
            Notes.clear();
            R.ReadListBegin();
            while (!R.EndOfList()) Notes << R.ReadString();
            R.ReadListEnd();
        },
        [this](TWriter& W) {
            W.WriteListBegin();
            for (const QString& n : Notes) W.WriteString(n);
            W.WriteListEnd();
        },
        !Notes.isEmpty());
    Filer.DefineBinaryProperty(
        QStringLiteral("Data"),
        [this](TStream& S) {
            Data.resize(S.Size());
            S.ReadBuffer(Data.data(), Data.size());
        },
        [this](TStream& S) { S.WriteBuffer(Data.constData(), Data.size()); }, !Data.isEmpty());
}

const TClassInfo& TStmPage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmPage>("TStmPage")
        .Prop("Margin", &TStmPage::Margin)
        .Method("ElementClick", &TStmPage::ElementClick)
        .Method("OtherClick", &TStmPage::OtherClick)
        .Method("CountClick", &TStmPage::CountClick)
        .Field("Element1", &TStmPage::Element1)
        .Field("FieldOnly1", &TStmPage::FieldOnly1)
        .Build();
    return info;
}

void TStmPage::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* e = dynamic_cast<TStmElement*>(Components(i)); e && !e->ParentElement) Proc(e);
}

void TStmPage::Loaded()
{
    TComponent::Loaded();
    LoadLog << Name();
}

void TStmPage::ElementClick(TObject*)
{
    Clicks << QStringLiteral("ElementClick");
}

void TStmPage::OtherClick(TObject*)
{
    Clicks << QStringLiteral("OtherClick");
}

void TStmPage::CountClick(TObject*, int)
{
    Clicks << QStringLiteral("CountClick");
}

const TClassInfo& TStmFieldOnly::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TStmFieldOnly>("TStmFieldOnly").Build();
    return info;
}

void RegisterStreamClasses()
{
    RegisterIntegerConsts(TypeInfo<TStmTint>(), TintToInt, IntToTint);
    RegisterClasses({&TStmPage::StaticClass(), &TStmElement::StaticClass()});
}

QByteArray Hex(const char* Text)
{
    return QByteArray::fromHex(QByteArray(Text).replace(' ', ""));
}

std::string HexOf(const QByteArray& Bytes)
{
    return Bytes.toHex(' ').toUpper().toStdString();
}

QByteArray WriteRoot(TComponent* Root)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, Root);
    return stream.Bytes();
}

QByteArray S(const QByteArray& Text)
{
    return char(Text.size()) + Text;
}

QByteArray Int(qint64 Value)
{
    TMemoryStream stream;
    {
        TWriter w(stream);
        w.WriteInteger(Value);
    }
    return stream.Bytes();
}

QByteArray P(const char* Name, const QByteArray& Value)
{
    return S(Name) + Value;
}

QByteArray Id(const char* Ident)
{
    return Hex("07") + S(Ident);
}

QByteArray Record(const QByteArray& ClassName, const QByteArray& Name, const QByteArray& Props,
                  const QByteArray& Children)
{
    return S(ClassName) + S(Name) + Props + '\0' + Children;
}

QByteArray Stream(const QByteArray& ClassName, const QByteArray& Name, const QByteArray& Props,
                  const QByteArray& Children)
{
    return "TPF0" + Record(ClassName, Name, Props, Children);
}

std::string ReadRoot(const QByteArray& Bytes, TComponent* Root, bool Lenient, QStringList* Errors)
{
    TBytesStream stream(Bytes);
    TReader reader(stream);
    reader.OnError = [&](TReader&, const QString& Message, bool& Handled) {
        if (Errors) *Errors << Message;
        Handled = Lenient;
    };
    try {
        reader.ReadRootComponent(Root);
    } catch (const Exception& e) {
        return e.Message.toStdString();
    }
    return {};
}

} // namespace streamtest

namespace streamtest {
namespace {
// Every stream test sees the same registry.
const bool Registered = (RegisterStreamClasses(), true);
} // namespace
} // namespace streamtest
