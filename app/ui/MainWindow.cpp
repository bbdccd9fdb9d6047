#include "app/ui/MainWindow.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

#include "app/ui/Application.h"
#include "app/ui/DataDialog.h"
#include "app/ui/MdiArea.h"
#include "common/commands/CommandIds.h"
#include "common/commands/CommandPrompts.h"
#include "common/settings/LongitudeEntry.h"
#include "common/settings/SettingsFile.h"
#include "common/text/LanguageText.h"
#include "common/text/ProjectionText.h"
#include "common/ui/ChildFrame.h"
#include "common/ui/ChildView.h"

namespace vantorel {

MainWindow::MainWindow(Application& app) : app_(app), mdi_(new MdiArea(this)) {
    setObjectName(QStringLiteral("MainWindow"));
    setCentralWidget(mdi_);
    setMenuBar(new QMenuBar(this));

    const Settings& s = app_.settings();
    s.placeSite(blankDate_);

    for (int i = 0; i < kPaneCount; ++i) {
        panes_[i] = new QLabel(this);
        panes_[i]->setObjectName(QStringLiteral("pane%1").arg(i + 1));
        panes_[i]->setMinimumWidth(
            panes_[i]->fontMetrics().horizontalAdvance(QString(kPaneBlanks[i], QLatin1Char(' '))));
        statusBar()->addWidget(panes_[i]);
    }

    language_ = s.languageIndex();
    installMenu(menuSet(MenuKind::Main, language_));
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);
    updateCaption();
}

MainWindow::~MainWindow() {
    // The children go first, while everything they report to still exists.
    destroying_ = true;
    for (QMdiSubWindow* w : mdi_->subWindowList()) delete w;
}

// ---- status bar ------------------------------------------------------------

QLabel* MainWindow::pane(int n) const {
    return (n >= 1 && n <= kPaneCount) ? panes_[n - 1] : nullptr;
}

void MainWindow::setPaneText(int n, const QString& text) {
    if (QLabel* p = pane(n)) p->setText(text);
}

QString MainWindow::paneText(int n) const {
    const QLabel* p = pane(n);
    return p ? p->text() : QString();
}

void MainWindow::showProjectionPane() {
    const Settings& s = app_.settings();
    setPaneText(2, QString::fromStdString(projectionPaneText(s.languageIndex(), s.projectionCode())));
}

void MainWindow::showLongitudePane() {
    const Settings& s = app_.settings();
    std::string text = longitudePaneText(s.longitude, s.languageIndex());
    // A named zone beside it; its offset in force goes with each window's time.
    if (s.namedZone) text += "  " + s.namedZone->name();
    setPaneText(1, QString::fromStdString(text));
}

// ---- menus -----------------------------------------------------------------

const MainWindow::MenuSet& MainWindow::menuSet(MenuKind kind, int language) {
    const auto key = std::make_pair(static_cast<int>(kind), language);
    auto found = menus_.find(key);
    if (found != menus_.end()) return found->second;

    MenuSet set;
    for (const MenuPopup& popup : menuLayout(kind)) {
        auto* menu = new QMenu(QString::fromUtf8(popup.title(language)), this);
        for (const MenuItem& item : popup.items) {
            if (item.isSeparator()) {
                menu->addSeparator();
                continue;
            }
            const QString text = QString::fromUtf8(item.text(language));
            QAction* action = menu->addAction(text);
            action->setData(item.id);
            action->setStatusTip(QString::fromUtf8(item.prompt(language)));
            // The key named after a tab works as well as reads: "\tCtrl+P".
            if (text.contains(QLatin1Char('\t')))
                action->setShortcut(QKeySequence(text.section(QLatin1Char('\t'), 1)));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { onCommand(id); });
            set.actions.insert(id, action);
        }
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
        const bool windowPopup = std::any_of(popup.items.begin(), popup.items.end(),
                                             [](const MenuItem& i) { return i.id == ID_WINDOW_CASCADE; });
        if (windowPopup) connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowList(menu); });
        set.popups.push_back(menu);
    }
    return menus_.emplace(key, std::move(set)).first->second;
}

void MainWindow::installMenu(const MenuSet& set) {
    if (installed_ == &set) return;
    installed_ = &set;
    menuBar()->clear();
    for (QMenu* menu : set.popups) menuBar()->addMenu(menu);
    updateCommandStates();
}

QList<QMenu*> MainWindow::currentMenus() const { return installed_ ? installed_->popups : QList<QMenu*>(); }

QAction* MainWindow::currentAction(int id) const {
    return installed_ ? installed_->actions.value(id, nullptr) : nullptr;
}

bool MainWindow::frameHandles(int id) const {
    switch (id) {
    case ID_SITE:
    case ID_LATITUDE:
    case ID_TIME_ZONE:
    case ID_PROJECTION:
    case ID_VIEW_STATUS_BAR:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE:
    case ID_WINDOW_CLOSE:
    case ID_WINDOW_CLOSE_ALL:
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREVIOUS:
    case ID_OPEN_MOON:
    case ID_OPEN_MERCURY:
    case ID_OPEN_VENUS:
    case ID_OPEN_MARS:
    case ID_OPEN_JUPITER:
    case ID_OPEN_SATURN:
    case ID_OPEN_URANUS:
    case ID_OPEN_DATA_TABLE:
    case ID_OPEN_SKY:
    case ID_OPEN_HELIOCENTRIC:
    case ID_OPEN_TONIGHT:
        return true;
    case ID_OPEN_JUPITER_SATELLITES: {
        const ChildView* view = activeView();
        return view && view->opensSatellitesWindow();
    }
    default: return false;
    }
}

void MainWindow::updateCommandStates() {
    if (!installed_) return;
    const ChildView* view = activeView();
    for (auto it = installed_->actions.begin(); it != installed_->actions.end(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        CommandState state{false, false};
        if (auto viewState = view ? view->commandState(id) : std::nullopt) {
            state = *viewState;
        } else if (frameHandles(id)) {
            state.enabled = true;
        } else if (auto appState = app_.commandState(id)) {
            state = *appState;
        }
        if (id == ID_VIEW_STATUS_BAR) state = {true, statusBar()->isVisibleTo(this)};
        action->setCheckable(state.checked || action->isCheckable());
        action->setChecked(state.checked);
        action->setEnabled(state.enabled);
    }
}

void MainWindow::onCommand(int id) {
    if (ChildView* view = activeView())
        if (view->onCommand(id)) return;
    if (handleFrameCommand(id)) return;
    app_.onCommand(id);
}

bool MainWindow::handleFrameCommand(int id) {
    if (!frameHandles(id)) return false;
    if (const DocumentType* type = documentTypeForCommand(id)) {
        openWindow(type->id, id == ID_OPEN_JUPITER_SATELLITES ? activeView() : nullptr);
        return true;
    }
    switch (id) {
    case ID_SITE: app_.siteCommand(); return true;
    case ID_LATITUDE: app_.latitudeCommand(); return true;
    case ID_TIME_ZONE: app_.timeZoneCommand(); return true;
    case ID_PROJECTION: app_.projectionCommand(); return true;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisibleTo(this)); return true;
    case ID_WINDOW_CASCADE: cascadeWindows(); return true;
    case ID_WINDOW_TILE: mdi_->tileSubWindows(); return true;
    case ID_WINDOW_CLOSE: mdi_->closeActiveSubWindow(); return true;
    case ID_WINDOW_CLOSE_ALL: mdi_->closeAllSubWindows(); return true;
    case ID_WINDOW_NEXT: mdi_->activateNextSubWindow(); return true;
    case ID_WINDOW_PREVIOUS: mdi_->activatePreviousSubWindow(); return true;
    default: return false;
    }
}

// ---- windows ---------------------------------------------------------------

int MainWindow::titleRowOffset() const { return app_.settings().languageIndex() * 10; }

QString MainWindow::openingTitle(const DocumentType& type, int language) const {
    return type.titleIndex >= 0 ? QString::fromUtf8(titleTable[language * 10 + type.titleIndex])
                                : QString::fromUtf8(type.fixedTitle(language));
}

ChildView* MainWindow::openWindow(DocTypeId typeId, ChildView* source) {
    eraseSplash();
    const DocumentType& type = documentType(typeId);
    if (type.counted && type.dataDialogName && !app_.dataDialogShown())
        app_.showDataDialog(QString::fromLatin1(type.dataDialogName));

    DateTime blank = blankDate_;
    const auto& registered = app_.registry().entry(typeId);
    ChildView* view = app_.registry().createView(typeId, ViewContext{*this, blank, source});
    if (!view) return nullptr;
    ChildFrame* frame = registered.frameFactory ? registered.frameFactory(view, *this)
                                                 : new ChildFrame(view, registered.frameSize);
    mdi_->addSubWindow(frame);
    // Ctrl+F4 is the Window menu's Close: the frame's own menu giving it
    // too would make the key ambiguous, and it would close nothing.
    if (QMenu* system = frame->systemMenu())
        for (QAction* action : system->actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F4)) action->setShortcut(QKeySequence());
    view->setDocumentTitle(openingTitle(type, app_.settings().languageIndex()));
    cascadePosition(frame);
    frame->show();
    view->initialUpdate();
    mdi_->setActiveSubWindow(frame);
    if (type.counted) ++windowCount_;
    ++opened_;
    return view;
}

bool MainWindow::reopenableKind(int kind) {
    if (kind < 0 || kind >= kDocTypeCount) return false;
    // The satellites strip and the zoomed sky live on another window's
    // document: they open from it, not on their own.
    const auto id = static_cast<DocTypeId>(kind);
    return id != DocTypeId::JupiterSatellites && id != DocTypeId::ZoomedSky;
}

std::vector<WindowPlace> MainWindow::windowLayout() const {
    std::vector<WindowPlace> places;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        const auto* view = qobject_cast<ChildView*>(sub->widget());
        if (!view || !reopenableKind(static_cast<int>(view->documentType().id))) continue;
        const DateTime* date = view->printedDate();
        if (!date) continue;
        // A minimised or maximised window comes back at its normal size.
        const QRect g = sub->isMinimized() || sub->isMaximized() ? sub->normalGeometry() : sub->geometry();
        places.push_back(WindowPlace{static_cast<int>(view->documentType().id), g.x(), g.y(), g.width(),
                                     g.height(), static_cast<int>(date->localYear),
                                     static_cast<int>(date->localMonth), static_cast<int>(date->localDay),
                                     static_cast<int>(date->localHour), static_cast<int>(date->localMinute)});
    }
    return places;
}

void MainWindow::saveWindowLayout() {
    // Not saved is no loss worth a message at the end of the run: the next
    // start opens no windows, as before.
    (void)SettingsFile::writeWindowLayout(windowLayout());
}

bool MainWindow::restoreWindowLayout() {
    const std::vector<WindowPlace> places = SettingsFile::readWindowLayout(&MainWindow::reopenableKind);
    for (const WindowPlace& place : places) openWindowAt(static_cast<DocTypeId>(place.kind), place);
    return !places.empty();
}

ChildView* MainWindow::openWindowAt(DocTypeId type, const WindowPlace& place) {
    // The new document takes its first date from the common date while one
    // is in force: this one, for the time of the opening.
    Settings& s = app_.settings();
    const bool usedCommon = s.useCommonDate;
    const DateTime common = s.commonDate;
    s.commonDate = blankDate_;
    s.commonDate.localYear = place.year;
    s.commonDate.localMonth = place.month;
    s.commonDate.localDay = place.day;
    s.commonDate.localHour = place.hour;
    s.commonDate.localMinute = place.minute;
    s.useCommonDate = true;
    ChildView* view = openWindow(type);
    s.useCommonDate = usedCommon;
    s.commonDate = common;
    if (!view) return nullptr;
    auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    if (!sub) return view;
    // On a smaller screen than last time, the title bar stays within reach.
    QRect g(place.x, place.y, place.width, place.height);
    const QSize area = mdi_->viewport()->size();
    if (!area.isEmpty()) {
        g.setSize(g.size().boundedTo(area.expandedTo(QSize(100, 100))));
        g.moveTo(std::clamp(g.x(), 0, std::max(0, area.width() - 60)),
                 std::clamp(g.y(), 0, std::max(0, area.height() - 30)));
    }
    sub->setGeometry(g);
    return view;
}

void MainWindow::cascadePosition(QMdiSubWindow* window) {
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    const int fit = std::max(1, std::min((mdi_->viewport()->width() - window->width()) / step,
                                         (mdi_->viewport()->height() - window->height()) / step));
    const int k = opened_ % std::max(1, fit);
    window->move(k * step, k * step);
}

void MainWindow::cascadeWindows() {
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    const QSize area = mdi_->viewport()->size();
    QList<QMdiSubWindow*> order = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : order) {
        if (window->isMinimized() || window->isMaximized()) window->showNormal();
        // A window too small to show its picture (shrunk by hand, or by an
        // older layout) gets back the size its kind opens at.
        if (auto* frame = qobject_cast<ChildFrame*>(window))
            window->resize(window->size().expandedTo(frame->initialSize()));
    }
    // The biggest at the back: a full-width chart laid over the others
    // would hide them but for their title bars.
    std::stable_sort(order.begin(), order.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
        return a->width() * a->height() > b->width() * b->height();
    });
    int k = 0;
    for (QMdiSubWindow* window : order) {
        // Start again at the corner when the next step would push the
        // window out of the visible area.
        if (k > 0 && (k * step + window->width() > area.width() || k * step + window->height() > area.height()))
            k = 0;
        window->move(k * step, k * step);
        ++k;
    }
    // Raised by activation, one after the other: the area puts the active
    // window back on top of any merely raised over it.
    for (QMdiSubWindow* window : order) mdi_->setActiveSubWindow(window);
}

ChildView* MainWindow::activeView() const {
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (!sub) sub = mdi_->currentSubWindow();
    return sub ? qobject_cast<ChildView*>(sub->widget()) : nullptr;
}

QList<ChildView*> MainWindow::views() const {
    QList<ChildView*> list;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* view = qobject_cast<ChildView*>(sub->widget())) list.push_back(view);
    return list;
}

void MainWindow::childViewDestroyed(bool counted) {
    if (counted && windowCount_ > 0) {
        --windowCount_;
        if (windowCount_ == 0 && !destroying_) {
            for (int n = 3; n <= kPaneCount; ++n) setPaneText(n, QString());
            app_.closeDataDialog();
        }
    }
    if (!destroying_) updateCaption();
}

void MainWindow::subWindowActivated(QMdiSubWindow* window) {
    if (destroying_) return;
    ChildView* view = window ? qobject_cast<ChildView*>(window->widget()) : nullptr;
    // Focus moving to another top-level window (the data dialog, another
    // program) leaves the current child as it was.
    if (!view && mdi_->currentSubWindow() && !mdi_->subWindowList().isEmpty()) return;
    if (view && view == lastActive_) return;
    if (lastActive_ && lastActive_ != view) lastActive_->activated(false);
    lastActive_ = view;
    installMenuFor(view);
    updateCaption();
    if (view) view->activated(true);
}

void MainWindow::installMenuFor(const ChildView* view) {
    const int language = app_.settings().languageIndex();
    if (view)
        installMenu(menuSet(view->documentType().menu, menuLanguageFor(view->documentType(), language)));
    else
        installMenu(menuSet(MenuKind::Main, language));
}

void MainWindow::retranslate() {
    const int language = app_.settings().languageIndex();
    const int old = std::exchange(language_, language);
    ChildView* active = activeView();
    installMenuFor(active);
    showProjectionPane();
    showLongitudePane();
    for (ChildView* view : views()) {
        // A title the window keeps from its opening is the table's; the
        // windows that write their own (with the date) do so at their paint.
        const QString opened = openingTitle(view->documentType(), old);
        if (view->documentTitle() == opened) view->setDocumentTitle(openingTitle(view->documentType(), language));
        view->onLanguageChanged();
    }
    // The active window fills the status bar and the data dialog again.
    if (active) active->activated(true);
    updateCaption();
}

void MainWindow::fillWindowList(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (action->property("windowList").toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    QAction* separator = menu->addSeparator();
    separator->setProperty("windowList", true);
    QMdiSubWindow* active = mdi_->activeSubWindow();
    int n = 0;
    for (QMdiSubWindow* window : windows) {
        const auto* view = qobject_cast<ChildView*>(window->widget());
        QString title = view ? view->documentTitle().trimmed() : window->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // The first nine answer their digit, as in every MDI program.
        const QString text = n < 9 ? QStringLiteral("&%1 %2").arg(n + 1).arg(title)
                                   : QStringLiteral("%1 %2").arg(n + 1).arg(title);
        QAction* action = menu->addAction(text);
        action->setProperty("windowList", true);
        action->setData(ID_WINDOW_LIST_FIRST + n);
        action->setCheckable(true);
        action->setChecked(window == active);
        action->setStatusTip(QString::fromUtf8(
            commandPrompt(ID_WINDOW_LIST_FIRST + n)(app_.settings().languageIndex())));
        QPointer<QMdiSubWindow> target(window);
        connect(action, &QAction::triggered, this, [this, target] {
            if (!target) return;
            if (target->isMinimized()) target->showNormal();
            mdi_->setActiveSubWindow(target);
        });
        ++n;
    }
}

void MainWindow::updateCaption() {
    const ChildView* view = destroying_ ? nullptr : activeView();
    const QString title = view ? view->documentTitle().trimmed() : QString();
    setWindowTitle(title.isEmpty() ? QStringLiteral("VANTOREL")
                                   : QStringLiteral("VANTOREL - %1").arg(title));
}

void MainWindow::sendToAllChildren(int message, const DateTime* date) {
    for (ChildView* view : views()) view->receiveMessage(message, date);
}

void MainWindow::repaintAllChildren() {
    for (ChildView* view : views()) view->onSettingsChanged();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.endProgram();
}

// ---- start-up picture -------------------------------------------------------

void MainWindow::showSplash() { mdi_->showSplash(); }

void MainWindow::eraseSplash() { mdi_->eraseSplash(); }

Settings& MainWindow::settings() { return app_.settings(); }
const Clock& MainWindow::clock() const { return app_.clock(); }
QPrinter& MainWindow::printer() { return app_.printer(); }
QAbstractScrollArea* MainWindow::workspace() const { return mdi_; }
bool MainWindow::dataDialogShown() const { return app_.dataDialogShown(); }
void MainWindow::showDataDialog(const QString& name) { app_.showDataDialog(name); }
void MainWindow::fillDataDialog(const BodyDataRecord& record) { app_.fillDataDialog(record); }
void MainWindow::showBodyWindow(DocTypeId type) {
    // The one of that kind used last.
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (auto* view = qobject_cast<ChildView*>((*it)->widget()); view && view->docType() == type) {
            QMdiSubWindow* sub = *it;
            if (sub->isMinimized()) sub->showNormal();
            mdi_->setActiveSubWindow(sub);
            return;
        }
    openWindow(type);
}

QRect MainWindow::dataDialogFrame() const {
    return app_.dataDialogShown() ? app_.dataDialog()->frameGeometry() : QRect();
}

}  // namespace vantorel
