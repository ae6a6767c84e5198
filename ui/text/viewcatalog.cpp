#include "ui/text/viewcatalog.h"

#include <QCoreApplication>

namespace dryfriction {

namespace {

QString translated(const char* text)
{
    return text != nullptr ? QCoreApplication::translate("Views", text) : QString();
}

}  // namespace

QString optionText(const ViewEntry& entry)
{
    return translated(entry.option);
}

QString descriptionText(const ViewEntry& entry)
{
    return translated(entry.description);
}

QString axisCaptionText(const ViewEntry& entry)
{
    return translated(entry.axisCaption);
}

QString acrossCaptionText(const ViewEntry& entry)
{
    return translated(entry.acrossCaption);
}

QString readoutText(const ViewEntry& entry)
{
    return translated(entry.readout);
}

}  // namespace dryfriction
