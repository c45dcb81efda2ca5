#pragma once
// Shows the waveform pane's context menu at a screen point and runs the chosen command.
// An item whose command nothing handles is shown disabled.
#include <QPoint>
#include <functional>
#include <vector>

#include "presentation/waveform_menu.h"

class QWidget;

namespace velmora {

class AnalysisView;

// The waveform pane's menu for the view's state; its commands run on the view.
void showWaveformMenu(AnalysisView& view, QPoint globalAt);

void runWaveformMenu(QWidget* parent, QPoint globalAt, const std::vector<WaveformMenuItem>& items,
                     const std::function<bool(int)>& handled, const std::function<void(int)>& run);

}  // namespace velmora
