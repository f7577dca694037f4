// Bars as typed into the window's steel-area field or a table's bars
// column, with the area they supply worked out by hand from the bar table
// (count x area of one bar, summed): the one table that the window's and
// pilaro-batch's tests share.
#pragma once

namespace pilaro::test {

struct BarText {
    const char* text;
    const char* area;  // cm^2, as a user would type the same steel
};

inline constexpr BarText kBarTexts[] = {
    {"24D28", "147.792"},           // 24 x 6.158
    {"24d28", "147.792"},           //
    {"24Φ28", "147.792"},           // Greek capital phi
    {"24φ28", "147.792"},           // Greek small phi
    {"24Ф28", "147.792"},           // Cyrillic capital ef
    {"24ф28", "147.792"},           // Cyrillic small ef
    {" 24 D 28 ", "147.792"},       // blanks around the parts
    {"12D28+12D25", "132.804"},     // 73.896 + 58.908
    {"12φ28 + 12d25", "132.804"},   //
    {"26D32", "209.092"},           // 26 x 8.042
    {"34D28", "209.372"},           // 34 x 6.158
    {"2D36+1D12", "21.489"},        // 20.358 + 1.131
    {"3D12+3D14+3D16", "14.043"},   // 3 x (1.131 + 1.539 + 2.011)
    {"5D20+7D22+9D32", "114.695"},  // 15.71 + 26.607 + 72.378
    {"024D28", "147.792"},          // a leading zero in the count
};

// In the notation, but with a diameter the bar table lacks.
inline constexpr const char* kUnknownDiameters[] = {"24D27", "24D30", "12D28+12d27", "1D3",
                                                    "24Φ028"};

// Not the notation at all.
inline constexpr const char* kNotBars[] = {"24D",    "D28",       "24D28+", "+24D28",
                                           "0D28",   "100000D28", "24x28",  "24E28",
                                           "2.5D28", "24D28cm2",  "24D2 8", ""};

}  // namespace pilaro::test
