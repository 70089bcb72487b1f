#pragma once

// A page-like root and its elements for the fuzz targets and their corpus:
// one property of every kind the stream carries, a sub-object, a
// collection, references, events, and children of registered classes.

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/collection.h"
#include "classlib/core/component.h"

#include <QString>

namespace fuzz {

QX_ENUM(TFuzzAlign, faNone, faTop, faBottom, faClient)
QX_ENUM(TFuzzStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFuzzStyles = classlib::TSet<TFuzzStyle>;
QX_INTEGER_TYPE(TFuzzColor, qint32)

class TFuzzFont : public classlib::TPersistent {
    QX_CLASS(TFuzzFont, classlib::TPersistent)
public:
    void Assign(const classlib::TPersistent* Source) override
    {
        if (auto* f = dynamic_cast<const TFuzzFont*>(Source)) {
            Name = f->Name;
            Height = f->Height;
            Color = f->Color;
            return;
        }
        TPersistent::Assign(Source);
    }
    QString Name = QStringLiteral("Arial");
    int Height = -11;
    TFuzzColor Color = TFuzzColor(0);
};

class TFuzzColumn : public classlib::TCollectionItem {
    QX_CLASS(TFuzzColumn, classlib::TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    int Width = 0;
    QString Title;
};

class TFuzzElement : public classlib::TComponent {
    QX_CLASS(TFuzzElement, classlib::TComponent)
public:
    explicit TFuzzElement(classlib::TComponent* AOwner)
        : TComponent(AOwner), Font(new TFuzzFont)
    {
    }
    ~TFuzzElement() override { delete Font; }
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == classlib::opRemove && AComponent == QXParent)
            QXParent = nullptr;
    }
    void SetQXParent(TFuzzElement* Value)
    {
        QXParent = Value;
        if (Value)
            Value->FreeNotification(this);
    }

    int QXLeft = 0;
    int QXTop = 0;
    qint64 Tag64 = 0;
    TFuzzAlign Align = faNone;
    TFuzzStyles Style;
    bool Visible = true;
    char Accel = 'A';
    double Ratio = 0;
    QString Caption;
    TFuzzColor Color = TFuzzColor(0xFFFFFF);
    TFuzzFont* Font;
    TFuzzElement* QXParent = nullptr;
    classlib::TNotifyEvent OnPrint;
};

class TFuzzBand : public TFuzzElement {
    QX_CLASS(TFuzzBand, TFuzzElement)
public:
    using TFuzzElement::TFuzzElement;
    int BandType = 0;
};

// The root: its owned components are written as its children.
class TFuzzPaper : public classlib::TComponent {
    QX_CLASS(TFuzzPaper, classlib::TComponent)
public:
    explicit TFuzzPaper(classlib::TComponent* AOwner)
        : TComponent(AOwner), Columns(new classlib::TCollection(TFuzzColumn::StaticClass()))
    {
    }
    ~TFuzzPaper() override
    {
        DestroyComponents();
        delete Columns;
    }
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    void ElementPrint(classlib::TObject*) {}

    int QXLeftMargin = 0;
    QString Title;
    classlib::TCollection* Columns;
    TFuzzElement* First = nullptr;
};

inline const classlib::TClassInfo& TFuzzFont::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TFuzzFont>("TFuzzFont")
        .Prop("Name", &TFuzzFont::Name)
        .Prop("Height", &TFuzzFont::Height)
        .Prop("Color", &TFuzzFont::Color)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TFuzzColumn::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TFuzzColumn>("TFuzzColumn")
        .Prop("Width", &TFuzzColumn::Width)
        .Prop("Title", &TFuzzColumn::Title)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TFuzzElement::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TFuzzElement>("TFuzzElement")
        .Prop("QXLeft", &TFuzzElement::QXLeft)
        .Prop("QXTop", &TFuzzElement::QXTop)
        .Prop("Tag64", &TFuzzElement::Tag64)
        .Prop("Align", &TFuzzElement::Align)
        .Prop("Style", &TFuzzElement::Style)
        .Prop("Visible", &TFuzzElement::Visible)
        .Prop("Accel", &TFuzzElement::Accel)
        .Prop("Ratio", &TFuzzElement::Ratio)
        .Prop("Caption", &TFuzzElement::Caption)
        .Prop("Color", &TFuzzElement::Color)
        .Prop("Font", &TFuzzElement::Font)
        .Prop("QXParent", &TFuzzElement::QXParent, &TFuzzElement::SetQXParent)
        .Prop("OnPrint", &TFuzzElement::OnPrint)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TFuzzBand::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TFuzzBand>("TFuzzBand")
        .Prop("BandType", &TFuzzBand::BandType)
        .Build();
    return info;
}

inline const classlib::TClassInfo& TFuzzPaper::StaticClass()
{
    static const classlib::TClassInfo& info = classlib::TClassBuilder<TFuzzPaper>("TFuzzPaper")
        .Prop("QXLeftMargin", &TFuzzPaper::QXLeftMargin)
        .Prop("Title", &TFuzzPaper::Title)
        .Prop("Columns", &TFuzzPaper::Columns)
        .Method("ElementPrint", &TFuzzPaper::ElementPrint)
        .Field("First", &TFuzzPaper::First)
        .Build();
    return info;
}

inline void RegisterFuzzClasses()
{
    classlib::RegisterClasses({&TFuzzPaper::StaticClass(), &TFuzzElement::StaticClass(),
                               &TFuzzBand::StaticClass()});
}

} // namespace fuzz
