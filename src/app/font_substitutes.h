#pragma once
// The view names the Windows fonts it was laid out with; on Linux they are drawn with the
// metric-compatible Liberation fonts, or DejaVu where no such font exists; Hangul comes from
// Noto Sans CJK.
namespace velmora {

void installFontSubstitutes();

}  // namespace velmora
