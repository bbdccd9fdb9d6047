#include "app/ui/MainWindow.h"

#include <QAction>
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
#include "app/ui/MdiArea.h"
#include "common/commands/CommandIds.h"
#include "common/settings/LongitudeEntry.h"
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

    installMenu(menuSet(MenuKind::Main, s.languageIndex()));
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
            if (const char* prompt = commandPrompt(item.id)(language); prompt[0] != '\0')
                action->setStatusTip(QString::fromUtf8(prompt));
            // The key named after a tab works as well as reads: "\tCtrl+P".
            if (text.contains(QLatin1Char('\t')))
                action->setShortcut(QKeySequence(text.section(QLatin1Char('\t'), 1)));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { onCommand(id); });
            set.actions.insert(id, action);
        }
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
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
    default: return false;
    }
}

// ---- windows ---------------------------------------------------------------

int MainWindow::titleRowOffset() const { return app_.settings().languageIndex() * 10; }

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
    view->setDocumentTitle(type.titleIndex >= 0
                               ? QString::fromUtf8(titleTable[titleRowOffset() + type.titleIndex])
                               : QString::fromUtf8(type.fixedTitle));
    cascadePosition(frame);
    frame->show();
    view->initialUpdate();
    mdi_->setActiveSubWindow(frame);
    if (type.counted) ++windowCount_;
    ++opened_;
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
    QMdiSubWindow* active = mdi_->activeSubWindow();
    int k = 0;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized() || window->isMaximized()) window->showNormal();
        // A window too small to show its picture (shrunk by hand, or by an
        // older layout) gets back the size its kind opens at.
        QSize size = window->size();
        if (auto* frame = qobject_cast<ChildFrame*>(window)) size = size.expandedTo(frame->initialSize());
        window->resize(size);
        // Start again at the corner when the next step would push the
        // window out of the visible area.
        if (k > 0 && (k * step + size.width() > area.width() || k * step + size.height() > area.height()))
            k = 0;
        window->move(k * step, k * step);
        window->raise();
        ++k;
    }
    if (active) mdi_->setActiveSubWindow(active);
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
    const int language = app_.settings().languageIndex();
    if (view)
        installMenu(menuSet(view->documentType().menu, menuLanguageFor(view->documentType(), language)));
    else
        installMenu(menuSet(MenuKind::Main, language));
    updateCaption();
    if (view) view->activated(true);
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

}  // namespace vantorel
