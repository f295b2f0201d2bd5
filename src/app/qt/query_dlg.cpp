#include "app/qt/query_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimerEvent>

#include "app/load_watch.h"
#include "app/qt/timetable_app.h"
#include "app/qt/train_detail_dlg.h"
#include "app/qt/transfer_dlg.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/qt_text.h"
#include "platform/utf8.h"
#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"
#include "results/qt/sort_header_ctrl.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {
namespace {

void SetComboText(QComboBox* combo, std::u16string_view text, bool caretAtEnd) {
  // A program's change is no edit by the user: no edit-change follows it.
  QSignalBlocker block(combo->lineEdit());
  combo->lineEdit()->setText(ToQString(text));
  if (caretAtEnd) combo->lineEdit()->setCursorPosition(combo->lineEdit()->text().size());
}

constexpr int kLoadTimerPeriodMs = 2000;

// The handheld's list font was 14 pixels high and its rows 18: pixel sizes made for a
// 96-dpi screen, scaled for this one.
constexpr int kListFontPixels = 14;
constexpr int kListRowPixels = 18;
int ScaledPixels(const QWidget* w, int pixels) {
  return (pixels * w->logicalDpiY() + 48) / 96;
}

// The list font: "宋体" where it is installed, otherwise a CJK face that is.
QFont ListFont(const QWidget* w) {
  QFont font;
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                    QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(ScaledPixels(w, kListFontPixels));
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace

std::u16string DialogControls::ModeText() const {
  return ToU16(mode->currentText());
}
std::u16string DialogControls::FromText() const {
  return ToU16(from->currentText());
}
std::u16string DialogControls::ToText() const {
  return ToU16(to->currentText());
}
std::u16string DialogControls::TrainNoText() const {
  return ToU16(trainNo->text());
}
std::u16string DialogControls::StationText() const {
  return ToU16(station->currentText());
}
void DialogControls::SetFromText(std::u16string_view text) {
  SetComboText(from, text, false);
}
void DialogControls::SetToText(std::u16string_view text) {
  SetComboText(to, text, false);
}
void DialogControls::SetStationText(std::u16string_view text) {
  SetComboText(station, text, true);
}
void DialogControls::SetCountLabel(std::u16string_view text) {
  count->setText(ToQString(text));
}

CQueryDlg::CQueryDlg(CTimetableApp* app)
    : m_pApp(app),
      m_hIcon(AppIcon()),
      m_messages(this),
      m_core(app->Data(), m_controls, m_messages) {
  m_units = BaseUnitsOf(font());
  {
    // The mode box is the narrowest control with the longest text.
    QComboBox probe;
    for (std::u16string_view entry : {texts::kModeStationToStation, res::kModeRecommend})
      probe.addItem(ToQString(entry));
    m_units = WidenToFit(m_units, res::QueryDialogTemplate().Find(res::kIdcMode)->rect.w,
                         probe.sizeHint().width());
  }
  m_widgets = BuildDialog(res::QueryDialogTemplate(), this, m_units,
                          [this](const res::ControlTemplate&, QWidget* parent) {
                            m_list = new CSortListCtrl(m_core.m_list, parent);
                            return m_list;
                          });
  m_controls.mode = qobject_cast<QComboBox*>(Control(res::kIdcMode));
  m_controls.from = qobject_cast<QComboBox*>(Control(res::kIdcFromStation));
  m_controls.to = qobject_cast<QComboBox*>(Control(res::kIdcToStation));
  m_controls.trainNo = qobject_cast<QLineEdit*>(Control(res::kIdcTrainNo));
  m_controls.station = qobject_cast<QComboBox*>(Control(res::kIdcStation));
  m_controls.count = qobject_cast<QLabel*>(Control(res::kIdcCount));
  m_modeCommand = qobject_cast<QPushButton*>(Control(res::kIdcModeCommand));
  m_fromBox = std::make_unique<QtStationChoiceBox>(m_controls.from);
  m_toBox = std::make_unique<QtStationChoiceBox>(m_controls.to);
  m_stationBox = std::make_unique<QtStationChoiceBox>(m_controls.station);

  // The handlers of the message table.
  connect(m_modeCommand, &QPushButton::clicked, this, &CQueryDlg::OnModeCommand);
  connect(m_controls.mode, &QComboBox::activated, this, &CQueryDlg::OnModeSelChange);
  connect(m_controls.from->lineEdit(), &QLineEdit::textEdited, this, &CQueryDlg::OnFromEditChange);
  connect(m_controls.to->lineEdit(), &QLineEdit::textEdited, this, &CQueryDlg::OnToEditChange);
  connect(m_controls.station->lineEdit(), &QLineEdit::textEdited, this,
          &CQueryDlg::OnStationEditChange);
  connect(qobject_cast<QPushButton*>(Control(res::kIdcQuery)), &QPushButton::clicked, this,
          &CQueryDlg::OnQuery);
  connect(qobject_cast<QPushButton*>(Control(res::kIdcReverse)), &QPushButton::clicked, this,
          &CQueryDlg::OnReverse);

  // A click on a result line shows its train's stops; no direct train offers a change.
  m_core.m_pApp = app;
  m_list->onRowClick = [this](int row) { m_core.OnResultClick(row); };
  m_core.m_showTrainDetail = [this](QueryCore&) { CTrainDetailDlg(*m_pApp, this).DoModal(); };
  m_core.EnableTransferOffer(
      [this](QueryCore& core) { return CTransferDlg(core, this).DoModal() == QDialog::Accepted; });
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_list, &QWidget::customContextMenuRequested, this, &CQueryDlg::OnListContextMenu);

  // Every key of the program passes here first, as the handheld's message pump did.
  qApp->installEventFilter(this);
}

CQueryDlg::~CQueryDlg() {
  if (m_nTimerId) killTimer(m_nTimerId);
  RestoreCursor();
  // The list view shows the core's list, which goes before the dialog's child widgets.
  delete m_list;
  m_list = nullptr;
}

QWidget* CQueryDlg::Control(int id) const {
  auto it = m_widgets.find(id);
  return it == m_widgets.end() ? nullptr : it->second;
}

bool CQueryDlg::OnInitDialog() {
  if (m_bInitialised) return true;
  m_bInitialised = true;
  setWindowIcon(m_hIcon);
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
  setSizeGripEnabled(true);

  m_font = ListFont(this);
  m_list->setFont(m_font);
  m_list->SetRowHeight(ScaledPixels(this, kListRowPixels));
  // The column widths were made for the handheld's 14-pixel font, whose digits are 7
  // pixels wide: prices and times need room in proportion to this font's digits.
  const double digits = QFontMetrics(m_font).horizontalAdvance(QStringLiteral("0123456789"));
  m_list->SetWidthScale(std::max(1.0, digits / 70.0));
  m_pApp->StartLoading([self = QPointer<CQueryDlg>(this)] {
    if (self) self->OnLoadFinished();
  });
  m_core.OnInitDialog();

  QComboBox* mode = m_controls.mode;
  for (std::u16string_view entry :
       {texts::kModeStationToStation, texts::kModeTrainNumber, texts::kModeStation,
        res::kModeUpdate, res::kModeRecommend, res::kModeAbout})
    mode->addItem(ToQString(entry));
  mode->setCurrentIndex(0);
  QMetaObject::invokeMethod(m_modeCommand, &QPushButton::click, Qt::QueuedConnection);

  m_nTimerId = startTimer(kLoadTimerPeriodMs);
  // The window keeps the size it opens with; a list that later needs more room scrolls.
  FitWindowToList();
  return true;
}

int CQueryDlg::DoModal() {
  OnInitDialog();
  return exec();
}

void CQueryDlg::FitWindowToList() {
  // The handheld's dialog filled its small screen; here the window opens wide enough for
  // every column and tall enough for a page of trains, within the screen.
  int listWidth = 2 * m_list->frameWidth() + m_list->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < m_list->model()->columnCount(); ++c)
    if (!m_list->isColumnHidden(c)) listWidth += m_list->columnWidth(c);
  const QRect listRect = DluToPixels(res::QueryDialogTemplate().Find(res::kIdcList)->rect, m_units);
  const int margin = DluToPixelsX(1, m_units);
  QSize size(std::max(width(), listRect.x() + listWidth + margin), height());
  size.setHeight(std::max(height(), listRect.y() + m_list->horizontalHeader()->sizeHint().height() +
                                        24 * m_list->verticalHeader()->defaultSectionSize() +
                                        margin));
  const QScreen* screen = this->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
  size = size.boundedTo(room.size() * 9 / 10);
  if (size != this->size()) resize(size);
  move(room.center() - rect().center());
}

void CQueryDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOutList();
}

void CQueryDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_bShown && m_pApp->m_startupTrace) m_pApp->m_startupTrace("window shown");
  m_bShown = true;
}

void CQueryDlg::LayOutList() {
  // The list keeps its place and fills the rest of the window; the count label may use
  // the row's remaining width.
  if (!m_list) return;
  const int margin = DluToPixelsX(1, m_units);
  QRect r = m_list->geometry();
  r.setRight(width() - margin - 1);
  r.setBottom(height() - DluToPixelsY(1, m_units) - 1);
  m_list->setGeometry(r);
  QRect c = m_controls.count->geometry();
  c.setRight(std::max(c.right(), width() - margin - 1));
  // The template puts the label right against the reverse button ("反向共:3"); a gap
  // keeps them two words.
  const QWidget* reverse = Control(res::kIdcReverse);
  if (reverse) c.setLeft(std::max(c.left(), reverse->geometry().right() + 1 + 2 * margin));
  m_controls.count->setGeometry(c);
}

void CQueryDlg::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_nTimerId)
    OnTimer(event->timerId());
  else
    QDialog::timerEvent(event);
}

void CQueryDlg::OnTimer(int id) {
  if (id == 0 || id != m_nTimerId) return;
  const LoadTickActions a = OnLoadTimerTick(m_pApp->Data());
  if (a.stationsLoaded) m_core.OnStationsLoaded();
  if (a.setVersionLabel)
    m_pApp->m_strVersionLabel =
        std::u16string(res::kVersionLabelPrefix) + m_pApp->Data().DataVersionText;
  if (a.restoreCursor) RestoreCursor();
  if (a.enableQuery) {
    Control(res::kIdcQuery)->setEnabled(true);
    Control(res::kIdcReverse)->setEnabled(true);
    if (m_pApp->m_startupTrace) m_pApp->m_startupTrace("query enabled");
  }
  if (a.stopTimer) {
    killTimer(m_nTimerId);
    m_nTimerId = 0;
  }
  if (a.reportFailure) ReportLoadFailure();
  if (a.offerBrowser && m_pApp->m_hooks.runBrowserOffer) m_pApp->m_hooks.runBrowserOffer();
}

void CQueryDlg::OnLoadFinished() {
  if (m_nTimerId) OnTimer(m_nTimerId);
}

void CQueryDlg::ReportLoadFailure() {
  const TimetableData& data = m_pApp->Data();
  std::u16string text(res::kLoadFailed);
  text += u"\n\n" + Utf8ToUtf16(data.loadError.Text()) + u"\n" + Utf8ToUtf16(m_pApp->DataPlaces());
  m_messages.Message(text, texts::kCaption);
}

void CQueryDlg::ShowWaitCursor() {
  if (m_bWaitCursor) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_bWaitCursor = true;
}

void CQueryDlg::RestoreCursor() {
  if (!m_bWaitCursor) return;
  QApplication::restoreOverrideCursor();
  m_bWaitCursor = false;
}

bool CQueryDlg::eventFilter(QObject* watched, QEvent* event) {
  if (PreTranslateMessage(watched, event)) return true;
  return QDialog::eventFilter(watched, event);
}

bool CQueryDlg::PreTranslateMessage(QObject* receiver, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget || widget->window() != this) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  // Enter neither presses a button nor closes the window; Escape does not close it either
  // (a stray key must not throw the results away). Pop-up lists are windows of their own
  // and keep both keys.
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void CQueryDlg::OnModeSelChange() {
  // The layout changes once the mode box has taken the new entry as its text.
  QMetaObject::invokeMethod(m_modeCommand, &QPushButton::click, Qt::QueuedConnection);
}

void CQueryDlg::OnModeCommand() {
  const std::u16string& mode = m_core.OnModeCommand();
  m_controls.SetCountLabel(u"");
  const OnlineHooks& hooks = m_pApp->m_hooks;
  if (std::optional<InputLayout> layout = LayoutOfMode(mode)) {
    ApplyLayout(*layout);
  } else if (mode == res::kModeAbout || mode == res::kModeRecommend) {
    if (hooks.runAboutBox && hooks.runAboutBox()) {
      m_controls.mode->setCurrentIndex(
          m_controls.mode->findText(ToQString(texts::kModeStationToStation)));
      ApplyLayout(InputLayout::AfterAbout);
    }
  } else if (mode == res::kModeUpdate) {
    if (hooks.runUpdateCheck && m_messages.Question(res::kAskUpdate, texts::kCaption)) {
      const int result = hooks.runUpdateCheck();
      if (result == 0) m_messages.Message(res::kUpToDate, texts::kCaption);
      if (result == -1) m_messages.Message(res::kNetworkFailed, texts::kCaption);
    }
  }
}

void CQueryDlg::ApplyLayout(InputLayout layout) {
  for (const ControlShown& c : LayoutControls(layout)) Control(c.id)->setVisible(c.shown);
  if (std::optional<int> focus = LayoutFocus(layout)) Control(*focus)->setFocus();
}

void CQueryDlg::OnFromEditChange() {
  m_core.OnFromEditChange(*m_fromBox);
}
void CQueryDlg::OnToEditChange() {
  m_core.OnToEditChange(*m_toBox);
}
void CQueryDlg::OnStationEditChange() {
  m_core.OnStationEditChange(*m_stationBox);
}
void CQueryDlg::OnQuery() {
  m_core.OnQuery();
}
void CQueryDlg::OnReverse() {
  m_core.OnReverse();
}

}  // namespace tavra
