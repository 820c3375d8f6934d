// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The painting of CAlacrityView: what the subject sees during a test and a
// device check, the header block over the results and the result page. The
// last two are the core's layouts, painted as the printed pages are.

#include <QPainter>
#include <QPaintEvent>
#include <QRegion>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "data/enums.h"
#include "engine/box_silence.h"
#include "engine/figure_geometry.h"
#include "engine/host_clock.h"
#include "report/displaynumbers.h"
#include "report/layoutpainter.h"
#include "report/reporttexts.h"
#include "results/box_check.h"
#include "results/header_block.h"
#include "results/report_layout.h"
#include "results/timing_layout.h"
#include "results/timing_report.h"
#include "views/alacrityview.h"
#include "views/figurepainter.h"

namespace alacrity {
namespace {

constexpr Rect HeaderBlockRect{10, 5, 710, 65};
constexpr LayoutRect ResultPageRect{10, 70, 650, 380};
// Under the result page's average line.
constexpr int TimingBlockTop = 165;

// The object of a stimulus, or -1 when the number is outside the results.
int32_t ObjectOf(const TestResults& results, int32_t stimulus) {
  if (stimulus < 0 || stimulus >= ResultCapacity) return -1;
  return results.objectIndex[static_cast<std::size_t>(stimulus)];
}

}  // namespace

QRect CAlacrityView::FigureArea() const {
  // The figures are drawn in device pixels; the area is asked for in
  // logical ones, rounded outwards.
  const qreal ratio = devicePixelRatio();
  const QSize pixels = DevicePixelSize(size(), ratio);
  const Rect box = ComputeFigureGeometry(pixels.width(), pixels.height()).box;
  const QRectF area(QPointF(box.left / ratio, box.top / ratio),
                    QPointF((box.right + 1) / ratio, (box.bottom + 1) / ratio));
  return area.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRegion CAlacrityView::StimulusRegion() const {
  return QRegion(FigureArea()) + LightMarkerArea();
}

bool CAlacrityView::LightMarkerShown() const {
  const ViewMode mode = m_controller.Mode();
  return (mode == TestRun || mode == DeviceCheck) && m_context.data.idle == 0 &&
         m_context.runState.lightSensor.load() != 0;
}

QRect CAlacrityView::LightMarkerArea() const {
  if (!LightMarkerShown()) return {};
  // Flush with the corner: the screen's edge guides the sensor onto it.
  const int side = std::min({m_marker.sizePx, width(), height()});
  const int right = width() - side;
  const int bottom = height() - side;
  switch (m_marker.corner) {
    case MarkerCorner::BottomLeft:
      return {0, bottom, side, side};
    case MarkerCorner::BottomRight:
      return {right, bottom, side, side};
    case MarkerCorner::TopLeft:
      return {0, 0, side, side};
    case MarkerCorner::TopRight:
      return {right, 0, side, side};
  }
  return {};
}

bool CAlacrityView::LightMarkerLit() const {
  if (m_controller.Mode() == DeviceCheck) return m_checkMarkerLit;
  if (m_controller.ShownPhase() != WaitResponse) return false;
  return m_markerDelayFrames <= 0 || m_lateMarkerStimulus == m_context.runState.current.load();
}

void CAlacrityView::DrawLightMarker(QPainter& painter, const QRegion& region) {
  const QRect area = LightMarkerArea();
  if (area.isEmpty() || !region.intersects(area)) return;
  const bool lit = LightMarkerLit();
  painter.fillRect(area, lit ? Qt::white : Qt::black);
  m_markerPainted = lit;
  // A marker over the figure's area (a narrow screen) leaves it no longer plain.
  if (area.intersects(FigureArea())) m_figureAreaBackground.reset();
}

void CAlacrityView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const ViewMode mode = m_controller.Mode();
  const int32_t phase = m_controller.ShownPhase();
  // The test screen after the prompt and the device check fill the whole
  // view; erasing and drawing the header first would only cost time between
  // the engine's phase change and the stimulus on screen.
  const bool filled = (mode == TestRun && phase > WaitStart) || mode == DeviceCheck;
  if (mode != TestRun || phase <= WaitStart) {
    m_testBackgroundShown = false;
  } else if (!m_testBackgroundShown && (visibleRegion() - event->region()).isEmpty()) {
    // All of the view that shows (the stop bar covers a corner of it).
    m_testBackgroundShown = true;
  }
  // Any other screen may draw into the figure's area; the test screen's own
  // paints say when it holds the plain background.
  if (!filled || mode != TestRun) m_figureAreaBackground.reset();
  if (!filled) {
    // The erased window: what stays visible around the header and the prompt.
    painter.fillRect(rect(), Qt::white);
    if (m_context.data.resultsPresent != 0) DrawHeaderBlock(painter);
  }

  switch (mode) {
    case TestRun:
      if (phase >= WaitStart) {
        // A paint of the figure's area and the light sensor's marker clips to
        // two rectangles, which costs every figure a slower way of painting
        // than one rectangle does: the figure is painted clipped to its area
        // alone, the marker after it, in the same frame.
        if (const QRect marker = LightMarkerArea(); !marker.isEmpty()) {
          if (const QRegion rest = event->region() - marker; rest.rectCount() == 1) {
            painter.setClipRect(rest.boundingRect());
          }
        }
        DrawStimulus(painter, phase, event->region());
        painter.setClipping(false);
        DrawLightMarker(painter, event->region());
        painter.end();
        if (m_paintObserver) m_paintObserver(phase);
      }
      break;
    case DeviceCheck:
      DrawButtonCheck(painter, m_controller.ShownButtons());
      DrawLightMarker(painter, event->region());
      break;
    case Result:
      DrawResultPage(painter);
      break;
    case Neutral:
    case ResponseByResponse:
    case SplitSummary:
    case Statistics:
    case Chart:
      // The list, the statistics table and the charts paint themselves.
      break;
  }
}

HeaderBlockTexts CAlacrityView::HeaderTexts() const {
  const DocumentData& document = m_context.data;
  // The colours of the results shown: a protocol Perform copies the
  // protocol's into the run configuration, and an opened file brings its own
  // there, whatever was performed before.
  return BuildHeaderBlockTexts(document.subject, document.results,
                               HeaderColorsOf(document.runConfiguration));
}

void CAlacrityView::DrawHeaderBlock(QPainter& painter) const {
  PaintHeaderBlock(painter, m_fonts.normal12, HeaderBlockRect, HeaderTexts());
}

void CAlacrityView::DrawResultPage(QPainter& painter) const {
  PaintLayout(painter, ScreenResultPage(m_averageText, ResultPageRect), m_fonts,
              LayoutMapping::Screen);
  if (const std::vector<TimingLine> lines = TimingLinesOfResults(); !lines.empty()) {
    PaintLayout(painter,
                ScreenTimingBlock(lines, {ResultPageRect.left + 10, TimingBlockTop, width() - 10,
                                          height()}),
                m_fonts, LayoutMapping::Screen);
  }
}

void CAlacrityView::DrawStimulus(QPainter& painter, int32_t phase, const QRegion& region) {
  const DocumentData& document = m_context.data;
  if (phase == WaitStart) {
    // Only the prompt: the erased window and the header stay as they are.
    PaintStartPrompt(painter, rect(), m_fonts.normal30);
    return;
  }
  const int32_t background = document.runConfiguration.background;
  const QRect area = FigureArea();
  const bool plainArea = m_figureAreaBackground == background;
  if (phase != WaitResponse) {
    painter.fillRect(rect(), ToQColor(BackgroundColorRgb(background)));
    // Filled all over, or in part where it was plain already.
    if ((QRegion(area) - region).isEmpty() || plainArea) {
      m_figureAreaBackground = background;
    } else if (region.intersects(area)) {
      m_figureAreaBackground.reset();
    }
    return;
  }
  // Only a paint of the figure's area alone (and the light sensor's marker,
  // which is painted whole) may leave the fill out.
  if (!plainArea || !(region - area - LightMarkerArea()).isEmpty()) {
    painter.fillRect(rect(), ToQColor(BackgroundColorRgb(background)));
  }
  if (region.intersects(area)) m_figureAreaBackground.reset();

  // Asserts the sync line as the stimulus goes up and sounds a deferred signal.
  m_controller.OnStimulusDrawn(phase);
  // The number drawn is the one whose paint time counts, even when the
  // reader has moved on meanwhile.
  const int32_t stimulus = m_context.runState.current.load();
  m_paintedStimulus = stimulus;
  const int32_t object = ObjectOf(document.results, stimulus);
  const int32_t color = ShapeColor(document.runConfiguration, object);
  if (color < 0) return;
  const DevicePixelScope pixels(painter, size(), devicePixelRatio());
  PaintFigure(painter, object, ComputeFigureGeometry(pixels.Size().width(), pixels.Size().height()),
              ToQColor(StimulusColorRgb(color)));
}

void CAlacrityView::DrawButtonCheck(QPainter& painter, int nibble) const {
  const TestConfiguration& configuration = m_context.data.customConfiguration;
  painter.fillRect(rect(), ToQColor(BackgroundColorRgb(configuration.background)));
  if (const int32_t color = ButtonCheckColor(nibble, configuration); color >= 0) {
    const DevicePixelScope pixels(painter, size(), devicePixelRatio());
    const FigureGeometry geometry =
        ComputeFigureGeometry(pixels.Size().width(), pixels.Size().height());
    const QColor figureColor = ToQColor(StimulusColorRgb(color));
    for (int32_t bit = 0; bit < 4; ++bit) {
      if ((nibble & (1 << bit)) != 0) PaintFigure(painter, bit, geometry, figureColor);
    }
  }
  DrawCheckStatus(painter, configuration.background);
}

std::string CAlacrityView::CheckStatusText() const {
  const int64_t now = MonotonicNowNs();
  const ByteArrival arrival = m_timing->Arrival();
  // In the interface language and its decimal sign: only the operator reads it.
  const QString device = QString::fromStdString(m_checkDevice);
  if (BoxIsSilent(arrival, m_checkStartNs, now)) {
    return tr("No bytes from the response box on %1.").arg(device).toStdString();
  }
  const std::optional<BoxRate> rate = MeasuredBoxRate(arrival);
  const QString rateText =
      rate ? tr("%1 bytes/s").arg(DisplayFigure(QString::fromStdString(FormatBytesPerSecond(*rate))))
           : tr("measuring the rate");
  QString text = tr("Box on %1: %2, longest gap %3 ms")
                     .arg(device, rateText,
                          DisplayDecimal(static_cast<double>(arrival.longestGapNs) / 1e6, 1));
  if (m_checkLatencyMs) text += tr(", latency timer %1 ms").arg(*m_checkLatencyMs);
  return text.toStdString();
}

std::vector<TimingLine> CAlacrityView::CheckFindings() const {
  const ByteArrival arrival = m_timing->Arrival();
  // A box silent now is what the status line says; a silence it ended
  // stays in the longest gap.
  const BoxCheckVerdict verdict = JudgeBoxCheck(arrival, arrival.lastNs);
  std::vector<TimingLine> findings;
  std::copy_if(verdict.lines.begin(), verdict.lines.end(), std::back_inserter(findings),
               [](const TimingLine& line) { return line.marked; });
  return findings;
}

QStringList CAlacrityView::LightSensorGuide() const {
  if (!LightMarkerShown()) return {};
  const bool seen = m_context.runState.lastLight.load() != 0;
  return {tr("Light sensor: tape it over the flashing marker in the %1 corner of this screen.")
              .arg(MarkerCornerText(m_marker.corner)),
          (seen ? tr("The sensor sees light.") : tr("The sensor sees dark.")) +
              QLatin1Char(' ') +
              (m_sensorInStep >= SensorInStepNeeded
                   ? tr("It follows the marker: ready.")
                   : tr("It does not follow the marker yet: centre it on the marker, shade it "
                        "from the room's light or turn its module's screw."))};
}

void CAlacrityView::DrawCheckStatus(QPainter& painter, int32_t background) const {
  // Small type at the bottom, legible on every background, beside the light
  // sensor's marker where that lies in a bottom corner.
  const QRect marker = LightMarkerArea();
  const auto textLine = [this, &marker](int top, int lineHeight) {
    QRect line(10, top, width() - 20, lineHeight);
    if (!marker.isEmpty() && marker.top() < top + lineHeight && marker.bottom() >= top) {
      if (marker.left() == 0) {
        line.setLeft(marker.right() + 11);
      } else {
        line.setRight(marker.left() - 11);
      }
    }
    return line;
  };
  const bool dark = background == Code(BackgroundColor::Blue) ||
                    background == Code(BackgroundColor::Black);
  painter.setPen(dark ? Qt::white : Qt::black);
  painter.setFont(m_fonts.normal12);
  int statusTop = height() - CheckStatusLineHeight;
  painter.drawText(textLine(statusTop, CheckStatusLineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(CheckStatusText()));
  const QStringList guide = LightSensorGuide();
  for (qsizetype i = guide.size() - 1; i >= 0; --i) {
    statusTop -= CheckFindingLineHeight;
    painter.drawText(textLine(statusTop, CheckFindingLineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, guide[i]);
  }

  // What fails the box, as check-box says it, in red on white above it.
  std::vector<QString> texts;
  for (const TimingLine& finding : CheckFindings()) {
    texts.push_back(LocalizedReportText(QString::fromStdString(finding.text)));
    texts.push_back(QStringLiteral("  ") +
                    LocalizedReportText(QString::fromStdString(finding.meaning)));
  }
  if (texts.empty()) return;
  const int lines = std::min(static_cast<int>(texts.size()), CheckFindingLines);
  const int top = statusTop - lines * CheckFindingLineHeight;
  painter.fillRect(QRect(0, top, width(), lines * CheckFindingLineHeight), Qt::white);
  painter.setPen(Qt::red);
  for (int i = 0; i < lines; ++i) {
    painter.drawText(textLine(top + i * CheckFindingLineHeight, CheckFindingLineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     texts[static_cast<std::size_t>(i)]);
  }
}

}  // namespace alacrity
