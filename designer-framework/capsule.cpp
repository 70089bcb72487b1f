#include "designer-framework/capsule.h"

#include "designer-framework/controldesigner.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/bitmapresource.h"

#include <algorithm>

namespace designer_framework {

using namespace classlib;

namespace {
constexpr int CapsuleSize = 28;
}

const TClassInfo& TCapsule::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCapsule>("TCapsule").Build();
    return info;
}

TCapsule::TCapsule(TComponent* AComponent, TControlDesigner* Surface)
    : TBitBtn(nullptr), FComponent(AComponent)
{
    // Design state sends its mouse messages to the surface's designer.
    SetDesigning(true);
    const quint32 info = quint32(AComponent->DesignInfo());
    SetBounds(int(info & 0xFFFF), int(info >> 16), CapsuleSize, CapsuleSize);
    TBitmap glyph;
    if (LoadBitmapResource(glyph, AComponent->ClassName())) SetGlyph(&glyph);
    SetParent(Surface);
    AComponent->FreeNotification(this);
}

void TCapsule::SetBounds(int ALeft, int ATop, int, int)
{
    // The design information holds 16 bits each way.
    ALeft = std::clamp(ALeft, 0, 0xFFFF);
    ATop = std::clamp(ATop, 0, 0xFFFF);
    TBitBtn::SetBounds(ALeft, ATop, CapsuleSize, CapsuleSize);
    if (FComponent) FComponent->SetDesignInfo(qint32(quint32(ALeft) | (quint32(ATop) << 16)));
}

void TCapsule::Notification(TComponent* AComponent, TOperation Operation)
{
    TBitBtn::Notification(AComponent, Operation);
    // Its component's end is heard before the owner's removal notice, so
    // the capsule cannot wait to be freed by whoever hears that.
    if (Operation == opRemove && AComponent == FComponent) {
        FComponent = nullptr;
        delete this;
    }
}

} // namespace designer_framework
