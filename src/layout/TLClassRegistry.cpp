#include "TLClassRegistry.h"

#include "TLFIMBarCode.h"
#include "TLIMBarCode.h"
#include "TLPostNetBarCode.h"
#include "TLCounterLabel.h"
#include "TLDMultiLineAddressLabel.h"
#include "TLDMultiLineLabel.h"
#include "TLDateTimeLabel.h"
#include "TLImage.h"
#include "TLLabelShapes.h"
#include "TLLineShape.h"
#include "TLPDLabel.h"
#include "TLPLabel.h"
#include "TLPageNumberLabel.h"
#include "TLSymbolLabel.h"

#include <functional>
#include <utility>

namespace {

using TFactory = std::unique_ptr<TLGraphicControl> (*)();

template <typename T> std::unique_ptr<TLGraphicControl> Make() { return std::make_unique<T>(); }

const std::pair<const char*, TFactory> kClasses[] = {
    {"TLLineShape", Make<TLLineShape>},
    {"TLPostNetBarCode", Make<TLPostNetBarCode>},
    {"TLIMBarCode", Make<TLIMBarCode>},
    {"TLFIMBarCode", Make<TLFIMBarCode>},
    {"TLImage", Make<TLImage>},
    {"TLLabelShapes", Make<TLLabelShapes>},
    {"Trpshapes", Make<Trpshapes>},
    {"TLPLabel", Make<TLPLabel>},
    {"TLPDLabel", Make<TLPDLabel>},
    {"TLCounterLabel", Make<TLCounterLabel>},
    {"TLSymbolLabel", Make<TLSymbolLabel>},
    {"TLDateTimeLabel", Make<TLDateTimeLabel>},
    {"TLPageNumberLabel", Make<TLPageNumberLabel>},
    {"TLMultiLineLabel", Make<TLMultiLineLabel>},
    {"TLDMultiLineLabel", Make<TLDMultiLineLabel>},
    {"TLDMultiLineAddressLabel", Make<TLDMultiLineAddressLabel>},
};

} // namespace

std::unique_ptr<TLGraphicControl> TLClassRegistry::Create(const QByteArray& className)
{
    // Class names are matched without regard to case, as the stream's own names are.
    for (const auto& [name, factory] : kClasses)
        if (className.compare(name, Qt::CaseInsensitive) == 0)
            return factory();
    return nullptr;
}

QStringList TLClassRegistry::ClassNames()
{
    QStringList names;
    for (const auto& entry : kClasses)
        names << QString::fromLatin1(entry.first);
    return names;
}
