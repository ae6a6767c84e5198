#include "plot/viewtable.h"

#include "plot/plotcolors.h"

#include <QtGlobal>

#include <array>
#include <vector>

namespace dryfriction {

namespace {

double coordinate(const MotionSample& s)
{
    return s.x;
}

double velocity(const MotionSample& s)
{
    return s.vx;
}

double energyRatio(const MotionSample& s)
{
    return s.energyRatio;
}

double path(const MotionSample& s)
{
    return s.path;
}

}  // namespace

std::span<const ViewEntry> viewTable()
{
    // The readouts put two blanks between the time and the value; t is the
    // phase of the time axis.
    static const std::array<ViewEntry, 6> views{{
        {"animationView", "animationOption", QT_TRANSLATE_NOOP("Views", "движение"),
         QT_TRANSLATE_NOOP("Views", "Анимация движения"), QT_TRANSLATE_NOOP("Views", "X"), nullptr, nullptr,
         std::nullopt},
        // The coordinate x, with the stagnation zone as a grey band and the
        // envelope of the swings.
        {"coordinateView", "coordinateOption", QT_TRANSLATE_NOOP("Views", "координата"),
         QT_TRANSLATE_NOOP("Views", "Зависимость координаты от времени"), QT_TRANSLATE_NOOP("Views", "X"), nullptr,
         QT_TRANSLATE_NOOP("Views", "t = %1  x = %2"),
         GraphDescription{
             .traces = {{.across = nullptr, .up = coordinate, .color = kRed}},
             .top = [](const PlotRanges& r) { return r.xTop; },
             .bottom = [](const PlotRanges& r) { return r.xBottom; },
             .fixedDivisions = 0,
             .symmetricLines = true,
             .stagnationBand = true,
             .verticalsEndAtZero = false,
             .timeLabelLevel = -0.04,
             .timeCaptionLevel = -0.15,
             .legendLevel = 0.9,
             .envelope = true,
             .fontPoints = 9.75,
             .windowBackground = false,
         }},
        // The velocity projection Vx.
        {"velocityView", "velocityOption", QT_TRANSLATE_NOOP("Views", "проекция Vx"),
         QT_TRANSLATE_NOOP("Views", "Зависимость проекции скорости от времени"), QT_TRANSLATE_NOOP("Views", "Vx"),
         nullptr, QT_TRANSLATE_NOOP("Views", "t = %1  Vx = %2"),
         GraphDescription{
             .traces = {{.across = nullptr, .up = velocity, .color = kBlue}},
             .top = [](const PlotRanges& r) { return static_cast<double>(r.vTop); },
             .bottom = [](const PlotRanges& r) { return static_cast<double>(r.vBottom); },
             .fixedDivisions = 0,
             .symmetricLines = true,
             .stagnationBand = false,
             .verticalsEndAtZero = false,
             .timeLabelLevel = -0.04,
             .timeCaptionLevel = -0.15,
             .legendLevel = 0.9,
             .envelope = false,
             .fontPoints = 9,
             .windowBackground = false,
         }},
        // The energy over its initial value: lines every tenth from 0.1 to 1.1
        // (the last one lies above the top edge).
        {"energyView", "energyOption", QT_TRANSLATE_NOOP("Views", "энергия"),
         QT_TRANSLATE_NOOP("Views",
                           "Зависимость полной механической энергии от времени (нормированная на начальную)"),
         QT_TRANSLATE_NOOP("Views", "W/Wo"), nullptr, QT_TRANSLATE_NOOP("Views", "t = %1  W/Wo = %2"),
         GraphDescription{
             .traces = {{.across = nullptr, .up = energyRatio, .color = kRed}},
             .top = [](const PlotRanges& r) { return static_cast<double>(r.wTop); },
             .bottom = [](const PlotRanges& r) { return r.wBottom; },
             .fixedDivisions = 12,
             .symmetricLines = false,
             .stagnationBand = false,
             .verticalsEndAtZero = true,
             .timeLabelLevel = -0.04,
             .timeCaptionLevel = -0.11,
             .legendLevel = 0.94,
             .envelope = false,
             .fontPoints = 9,
             .windowBackground = true,
         }},
        // The path travelled.
        {"pathView", "pathOption", QT_TRANSLATE_NOOP("Views", "Путь"),
         QT_TRANSLATE_NOOP("Views", "Зависимость пути от времени"), QT_TRANSLATE_NOOP("Views", "П"), nullptr,
         QT_TRANSLATE_NOOP("Views", "t = %1  П = %2"),
         GraphDescription{
             .traces = {{.across = nullptr, .up = path, .color = kRed}},
             .top = [](const PlotRanges& r) { return r.pathTop; },
             .bottom = [](const PlotRanges& r) { return static_cast<double>(r.pathBottom); },
             .fixedDivisions = 0,
             .symmetricLines = false,
             .stagnationBand = false,
             .verticalsEndAtZero = true,
             .timeLabelLevel = 0.06,
             .timeCaptionLevel = 0.09,
             .legendLevel = 0.94,
             .envelope = false,
             .fontPoints = 9,
             .windowBackground = true,
         }},
        // The phase portrait: the velocity projection against the coordinate,
        // both over their symmetric ranges. The half-swings are semicircles
        // about the centres -1 and 1, and the load comes to rest on the
        // stagnation segment between them.
        {"phaseView", "phaseOption", QT_TRANSLATE_NOOP("Views", "фазовый портрет"),
         QT_TRANSLATE_NOOP("Views", "Фазовый портрет: скорость Vx/Va от координаты x/a"),
         QT_TRANSLATE_NOOP("Views", "V"), QT_TRANSLATE_NOOP("Views", "X"),
         QT_TRANSLATE_NOOP("Views", "X = %1  V = %2"),
         GraphDescription{
             .traces = {{.across = coordinate, .up = velocity, .color = kRed}},
             .top = [](const PlotRanges& r) { return static_cast<double>(r.vTop); },
             .bottom = [](const PlotRanges& r) { return static_cast<double>(r.vBottom); },
             .fixedDivisions = 0,
             .symmetricLines = true,
             .stagnationBand = false,
             .verticalsEndAtZero = false,
             .timeLabelLevel = -0.04,
             .timeCaptionLevel = -0.15,
             .legendLevel = 0,
             .envelope = false,
             .fontPoints = 9,
             .windowBackground = false,
             .left = [](const PlotRanges& r) { return r.xBottom; },
             .right = [](const PlotRanges& r) { return r.xTop; },
             .stagnationSegment = true,
         }},
    }};
    return views;
}

std::span<const GraphDescription> viewGraphs()
{
    static const std::vector<GraphDescription> graphs = [] {
        std::vector<GraphDescription> out;
        for (const ViewEntry& view : viewTable())
            if (view.graph)
                out.push_back(*view.graph);
        return out;
    }();
    return graphs;
}

}  // namespace dryfriction
