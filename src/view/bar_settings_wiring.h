#pragma once
// The bars' display controls wired to what the view displays: band, limits, F0, formants,
// colours, levels, FFT size; the "Update Rate" lists hand their factor to `updateRate`.
#include <functional>

class QWidget;

namespace velmora {

class PowerSpectrumBar;
class SpectrogramBar;
class ViewDisplay;

// Starts the display from the bars' initial choices, then keeps it in step with them.
void wireBarSettings(SpectrogramBar* spectrogramBar, PowerSpectrumBar* powerSpectrumBar, ViewDisplay& display,
                     QWidget* view, const std::function<void(double factor)>& updateRate);

}  // namespace velmora
