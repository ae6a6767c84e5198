#include "ui/viewcatalog.h"

#include <QCoreApplication>

#include <array>

namespace dryfriction {

std::span<const ViewEntry> viewCatalog()
{
    static constexpr std::array<ViewEntry, 5> views{{
        {"animationView", "animationOption", QT_TRANSLATE_NOOP("Views", "движение"),
         QT_TRANSLATE_NOOP("Views", "Анимация движения"), QT_TRANSLATE_NOOP("Views", "X")},
        {"coordinateView", "coordinateOption", QT_TRANSLATE_NOOP("Views", "координата"),
         QT_TRANSLATE_NOOP("Views", "Зависимость координаты от времени"), QT_TRANSLATE_NOOP("Views", "X")},
        {"velocityView", "velocityOption", QT_TRANSLATE_NOOP("Views", "проекция Vx"),
         QT_TRANSLATE_NOOP("Views", "Зависимость проекции скорости от времени"), QT_TRANSLATE_NOOP("Views", "Vx")},
        {"energyView", "energyOption", QT_TRANSLATE_NOOP("Views", "энергия"),
         QT_TRANSLATE_NOOP("Views",
                           "Зависимость полной механической энергии от времени (нормированная на начальную)"),
         QT_TRANSLATE_NOOP("Views", "W/Wo")},
        {"pathView", "pathOption", QT_TRANSLATE_NOOP("Views", "Путь"),
         QT_TRANSLATE_NOOP("Views", "Зависимость пути от времени"), QT_TRANSLATE_NOOP("Views", "П")},
    }};
    return views;
}

QString optionText(const ViewEntry& entry)
{
    return QCoreApplication::translate("Views", entry.option);
}

QString descriptionText(const ViewEntry& entry)
{
    return QCoreApplication::translate("Views", entry.description);
}

QString axisCaptionText(const ViewEntry& entry)
{
    return QCoreApplication::translate("Views", entry.axisCaption);
}

}  // namespace dryfriction
