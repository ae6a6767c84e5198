#include "layout.h"

namespace dryfriction {

namespace {

constexpr float dx = 10;  // horizontal margin and gap
constexpr float dy = 10;  // vertical margin and gap
constexpr float W = 70;   // unit width of a cell
constexpr float H = 25;   // row height

// A size as a control takes it: a control cannot be narrower than nothing,
// and what later rows read back is the size it took.
float size(float value)
{
    return value > 0 ? value : 0;
}

}  // namespace

FormLayout computeLayout(float SW, float SH)
{
    FormLayout f;
    // Row 0 of the band: its seven rows and the bottom margin fill 8H + 8dy.
    f.Label10 = {dx, SH - 8 * H - 8 * dy, 2.2f * W, H};

    // The input column: caption and field side by side, one pair per row.
    f.Label1 = {dx, f.Label10.top + H + dy, W, H};
    f.Text1 = {f.Label1.left + f.Label1.width, f.Label1.top, W, H};
    LayoutRect* captions[] = {&f.Label2, &f.Label3, &f.Label4, &f.Label5, &f.Label6};
    LayoutRect* fields[] = {&f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6};
    for (int row = 1; row <= 5; ++row) {
        LayoutRect& caption = *captions[row - 1];
        caption = {f.Label1.left, f.Label1.top + static_cast<float>(row) * (H + dy), W, H};
        *fields[row - 1] = {f.Text1.left, caption.top, W, H};
    }

    // The characteristics column; row 3 stays empty.
    f.Label11 = {f.Label10.width + 2 * dx, f.Label10.top, 2 * W, H};
    const float charLeft = 2 * W + 3 * dx;
    const float charWidth = 1.9f * W;
    auto charRow = [&](int row) {
        return LayoutRect{charLeft, f.Label11.top + static_cast<float>(row) * (H + dy), charWidth, H};
    };
    f.Label12 = charRow(1);
    f.Label13 = charRow(2);
    f.Label14 = charRow(4);
    f.Label18 = charRow(5);
    f.Label17 = charRow(6);
    f.Label16 = charRow(7);

    // The amplitude and the two results of a run.
    f.Label15 = {2 * f.Label10.width + 2 * dx, f.Label11.top + 4 * (H + dy), charWidth, H};
    f.Label19 = {f.Label15.left, f.Label10.top + 5 * (H + dy), charWidth, H};
    f.Label7 = {f.Label15.left, f.Label10.top + 6 * (H + dy), charWidth, H};

    f.CmdOK = {f.Label15.left + f.Label15.width + dx, f.Label1.top, 2 * W, H};
    f.Frame1 = {f.CmdOK.left, f.Label2.top, f.CmdOK.width, 4 * H};

    // The views fill everything above the band but the scroll bar's strip.
    f.picture = {dx, dy, size(SW - 2 * dx), size(f.Label10.top - 2 * dy - H)};
    f.HScroll1 = {f.picture.left, f.picture.top + f.picture.height + dy, f.picture.width, H / 2};
    const float label21Width = W / 4;
    f.Label21 = {f.HScroll1.left + f.HScroll1.width / 2 - label21Width / 2,
                 f.HScroll1.top + f.HScroll1.height, label21Width, H};
    return f;
}

}  // namespace dryfriction
