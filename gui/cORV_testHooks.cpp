#include "cORV_testHooks.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSocketNotifier>
#include <QSplashScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "cORV.h"
#include "orv_classPtr.h"

#ifdef ORV_DEVICE_BUILD

cORVTestHooks* cORVTestHooks::installWhenAsked(cORV*) { return nullptr; }
cORVTestHooks::~cORVTestHooks() = default;
bool cORVTestHooks::eventFilter(QObject*, QEvent*) { return false; }
void cORVTestHooks::onPageChanged() {}
void cORVTestHooks::onSettled() {}
void cORVTestHooks::onSignal() {}

#else

namespace {
// How long a page has to settle (paint, layouts) before it is taken.
constexpr int kSettleMs = 500;

// Signals reach Qt through this socket pair: the handler only writes the number.
int signalSockets[2] = {-1, -1};

void forwardSignal(int number) {
  const char byte = static_cast<char>(number);
  if (write(signalSockets[0], &byte, 1) != 1) {
    // Nothing to do from a signal handler: the request is lost.
  }
}

QString oneLine(QString text) {
  text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  return text;
}

// What a widget shows as text, for the dump.
QString shownText(QWidget* w) {
  if (auto* box = qobject_cast<QMessageBox*>(w)) return box->windowTitle() + "\n" + box->text();
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
      QTextDocument document;
      document.setHtml(label->text());
      return document.toPlainText();
    }
    return label->text();
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->displayText();
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items.join(QLatin1Char('\n'));
  }
  if (auto* bar = qobject_cast<QProgressBar*>(w)) return QString::number(bar->value());
  // A stack inside a page (the wizard's pages): the index of the page it shows.
  if (auto* stack = qobject_cast<QStackedWidget*>(w)) return QString::number(stack->currentIndex());
  if (auto* text = qobject_cast<QPlainTextEdit*>(w)) return text->toPlainText();
  if (auto* text = qobject_cast<QTextEdit*>(w)) return text->toPlainText();
  return QString();
}

// Whether a label's text, or every list line in view, is shown whole: "1" or "0"; "-" for
// other widgets and rich text. A line must fit its row inside the style's text margins.
QString shownWhole(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
      return QStringLiteral("-");
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | Qt::TextExpandTabs |
                      (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect need = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    return need.width() <= room.width() + 1 && need.height() <= room.height() + 1
               ? QStringLiteral("1")
               : QStringLiteral("0");
  }
  auto* list = qobject_cast<QListWidget*>(w);
  if (!list) return QStringLiteral("-");
  const QRect view = list->viewport()->rect();
  const int margins =
      2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
  for (int i = 0; i < list->count(); ++i) {
    const QRect row = list->visualItemRect(list->item(i));
    if (!row.intersects(view)) continue;
    const int width = row.width() - margins - 4;
    const QRect need = QFontMetrics(list->font())
                           .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap,
                                         list->item(i)->text());
    if (!view.contains(row) || need.width() > width || need.height() > row.height())
      return QStringLiteral("0");
  }
  return QStringLiteral("1");
}

QString widgetLine(QWidget* w) {
  const QPoint at = w->mapToGlobal(QPoint(0, 0));
  const QString name = w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName();
  return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9\t%10\n")
      .arg(name, QString::fromLatin1(w->metaObject()->className()))
      .arg(at.x())
      .arg(at.y())
      .arg(w->width())
      .arg(w->height())
      .arg(w->isEnabled() ? 1 : 0)
      // In one pass, so that a '%' in the text is never taken for a place holder.
      .arg(oneLine(shownText(w)), shownWhole(w), QString::number(QFontInfo(w->font()).pixelSize()));
}

bool named(QWidget* w) {
  return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

QString pausedFlag(bool exists, bool paused) {
  return exists ? QString::number(paused ? 1 : 0) : QStringLiteral("-");
}
}  // namespace

cORVTestHooks* cORVTestHooks::installWhenAsked(cORV* window) {
  const QString shotDir = QString::fromLocal8Bit(qgetenv("ORV_SCREENSHOT_DIR"));
  const QString dumpFile = QString::fromLocal8Bit(qgetenv("ORV_UI_DUMP"));
  if (shotDir.isEmpty() && dumpFile.isEmpty()) return nullptr;
  return new cORVTestHooks(window, shotDir, dumpFile);
}

cORVTestHooks::cORVTestHooks(cORV* window, const QString& shotDir, const QString& dumpFile)
    : window_(window), shotDir_(shotDir), dumpFile_(dumpFile), settle_(new QTimer(this)) {
  if (!shotDir_.isEmpty()) QDir().mkpath(shotDir_);
  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMs);
  connect(settle_, &QTimer::timeout, this, &cORVTestHooks::onSettled);
  connect(window_->mainStack, &QStackedWidget::currentChanged, this, &cORVTestHooks::onPageChanged);
  window_->installEventFilter(this);

  if (signalSockets[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) return;
  signalNotifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
  connect(signalNotifier_, &QSocketNotifier::activated, this, &cORVTestHooks::onSignal);
  struct sigaction action = {};
  action.sa_handler = forwardSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
  sigaction(SIGUSR2, &action, nullptr);
  sigaction(SIGALRM, &action, nullptr);
}

cORVTestHooks::~cORVTestHooks() {
  if (signalNotifier_) {
    signal(SIGUSR1, SIG_DFL);
    signal(SIGUSR2, SIG_DFL);
    signal(SIGALRM, SIG_DFL);
  }
}

bool cORVTestHooks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Show && !shown_) {
    shown_ = true;
    settle_->start();
  }
  return false;
}

void cORVTestHooks::onPageChanged() {
  if (shown_ && window_->isVisible()) settle_->start();
}

void cORVTestHooks::onSettled() {
  // The start-up splash still covers the window: the page is taken once it is gone.
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (qobject_cast<QSplashScreen*>(top) && top->isVisible()) {
      settle_->start();
      return;
    }
  }
  takeScreenshot(window_->currentPageName());
  writeDump();
}

void cORVTestHooks::onSignal() {
  char number = 0;
  if (read(signalSockets[1], &number, 1) != 1) return;
  if (number == SIGUSR1) takeScreenshot(QStringLiteral("signal"));
  if (number == SIGUSR2) writeDump();
  // The stored timeout cut short: the window's own timer runs out at the next turn of
  // whatever event loop is running, a modal box's included.
  if (number == SIGALRM) window_->inactivityTimer->start(0);
}

void cORVTestHooks::takeScreenshot(const QString& label) {
  if (shotDir_.isEmpty()) return;
  QPixmap picture;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (QGuiApplication::platformName() == QLatin1String("offscreen") || !screen) {
    // No screen to read back: the page stack as the service screenshot renders it.
    picture = QPixmap(window_->mainStack->size());
    window_->mainStack->render(&picture);
  } else {
    picture = screen->grabWindow(0);  // the whole screen, modal boxes included
  }
  const QString path =
      QStringLiteral("%1/%2-%3.png").arg(shotDir_).arg(++shots_, 3, 10, QLatin1Char('0')).arg(label);
  picture.save(path, "PNG");
  std::printf("[screenshot] %s\n", path.toLocal8Bit().constData());
  std::fflush(stdout);
}

void cORVTestHooks::writeDump() {
  if (dumpFile_.isEmpty()) return;
  QWidget* page = window_->mainStack->currentWidget();
  ORV_ProcThread* proc = Singleton<orv_classPtr>::ptr()->procThread;
  ORV_UpdThread* upd = Singleton<orv_classPtr>::ptr()->updThread;
  QString dump = QStringLiteral("page=%1 index=%2 inactivity_ms=%3 inactivity_active=%4 "
                                "proc_paused=%5 upd_paused=%6\n")
                     .arg(window_->currentPageName())
                     .arg(window_->mainStack->currentIndex())
                     .arg(window_->inactivityTimer->interval())
                     .arg(window_->inactivityTimer->isActive() ? 1 : 0)
                     .arg(pausedFlag(proc, proc && proc->get_sleepThreadState()))
                     .arg(pausedFlag(upd, upd && upd->get_sleepThreadState()));
  if (page) {
    dump += widgetLine(page);
    for (QWidget* w : page->findChildren<QWidget*>())
      if (named(w) && w->isVisible()) dump += widgetLine(w);
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == window_ || !top->isVisible()) continue;
    dump += widgetLine(top);
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>())
      if (button->isVisible()) dump += widgetLine(button);
  }
  const QString temporary = dumpFile_ + QStringLiteral(".tmp");
  FILE* out = std::fopen(temporary.toLocal8Bit().constData(), "w");
  if (!out) return;
  const QByteArray bytes = dump.toUtf8();
  const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), out) ==
                       static_cast<size_t>(bytes.size());
  if (std::fclose(out) == 0 && written)
    std::rename(temporary.toLocal8Bit().constData(), dumpFile_.toLocal8Bit().constData());
}

#endif
