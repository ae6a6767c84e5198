#include "ui/text/viewcatalog.h"

#include <QCoreApplication>

#include <array>

namespace dryfriction {

namespace {

QString translated(const char* text)
{
    return text != nullptr ? QCoreApplication::translate("Views", text) : QString();
}

}  // namespace

std::span<const ViewEntry> viewTable()
{
    // The readouts put two blanks between the time and the value; t is the
    // phase of the time axis.
    static constexpr std::array<ViewEntry, 6> views{{
        {"animationView", "animationOption", QT_TRANSLATE_NOOP("Views", "движение"),
         QT_TRANSLATE_NOOP("Views", "Анимация движения"), QT_TRANSLATE_NOOP("Views", "X"), nullptr, nullptr,
         std::nullopt},
        {"coordinateView", "coordinateOption", QT_TRANSLATE_NOOP("Views", "координата"),
         QT_TRANSLATE_NOOP("Views", "Зависимость координаты от времени"), QT_TRANSLATE_NOOP("Views", "X"), nullptr,
         QT_TRANSLATE_NOOP("Views", "t = %1  x = %2"),
         GraphView::Coordinate},
        {"velocityView", "velocityOption", QT_TRANSLATE_NOOP("Views", "проекция Vx"),
         QT_TRANSLATE_NOOP("Views", "Зависимость проекции скорости от времени"), QT_TRANSLATE_NOOP("Views", "Vx"),
         nullptr, QT_TRANSLATE_NOOP("Views", "t = %1  Vx = %2"),
         GraphView::Velocity},
        {"energyView", "energyOption", QT_TRANSLATE_NOOP("Views", "энергия"),
         QT_TRANSLATE_NOOP("Views",
                           "Зависимость полной механической энергии от времени (нормированная на начальную)"),
         QT_TRANSLATE_NOOP("Views", "W/Wo"), nullptr, QT_TRANSLATE_NOOP("Views", "t = %1  W/Wo = %2"),
         GraphView::Energy},
        {"pathView", "pathOption", QT_TRANSLATE_NOOP("Views", "Путь"),
         QT_TRANSLATE_NOOP("Views", "Зависимость пути от времени"), QT_TRANSLATE_NOOP("Views", "П"), nullptr,
         QT_TRANSLATE_NOOP("Views", "t = %1  П = %2"),
         GraphView::Path},
        {"phaseView", "phaseOption", QT_TRANSLATE_NOOP("Views", "фазовый портрет"),
         QT_TRANSLATE_NOOP("Views", "Фазовый портрет: скорость Vx/Va от координаты x/a"),
         QT_TRANSLATE_NOOP("Views", "V"), QT_TRANSLATE_NOOP("Views", "X"),
         QT_TRANSLATE_NOOP("Views", "X = %1  V = %2"),
         GraphView::Phase},
    }};
    return views;
}

const GraphDescription* graphOf(const ViewEntry& entry)
{
    return entry.graph ? &graphOf(*entry.graph) : nullptr;
}

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
