#pragma once

namespace dryfriction {

// A control's place in the client area, in pixels. The arithmetic is done in
// single precision, as the toolkit receives it; fractional values (12.5,
// 17.5) stay fractional until they are applied.
struct LayoutRect {
    float left = 0, top = 0, width = 0, height = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// Where every control moved by the layout goes. The five picture boxes share
// one rectangle (`picture`).
struct FormLayout {
    LayoutRect Label10;
    LayoutRect Label1, Text1;
    LayoutRect Label2, Text2;
    LayoutRect Label3, Text3;
    LayoutRect Label4, Text4;
    LayoutRect Label5, Text5;
    LayoutRect Label6, Text6;
    LayoutRect Label11;
    LayoutRect Label12, Label13, Label14, Label18, Label17, Label16;
    LayoutRect Label15, Label19, Label7;
    LayoutRect CmdOK;
    LayoutRect Frame1;
    LayoutRect picture;  // Picture1 .. Picture5
    LayoutRect HScroll1;
    LayoutRect Label21;
};

// The grid of the window for a client area of SW x SH pixels: a band of seven
// rows of height H with gaps dy at the bottom (input column, characteristics,
// results, start button and graph choice), and above it the views, the
// slowdown scroll bar and its value. In a client area too small for the grid
// (narrower than 20 or lower than 325 pixels) the views' size would be
// negative: it is 0, and the rows below it are placed from that 0. Lefts and
// tops may be negative; that only moves controls out of sight.
FormLayout computeLayout(float SW, float SH);

}  // namespace dryfriction
