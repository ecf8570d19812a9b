// Every page of the window (and every tab of a page) at its default size, in every language the
// program offers, after a Demo-Mode connection: each is grabbed (into the build tree, for a person
// to look at); every text in its lists and grids must fit its cell, or be reachable by a scroll
// bar that works, every caption of a label, button or gauge its room.

#include "tests/support/program_run.h"
#include "ui/widgets/analog_gauge.h"
#include "ui/widgets/navigation_bar.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace {

// The grabs go beside the test binaries, never into the sources.
QString grabDir(const QString& language) {
    const QString dir =
        QCoreApplication::applicationDirPath() + QStringLiteral("/screens/") + language;
    QDir().mkpath(dir);
    return dir;
}

// Row -1 is the heading.
QString describe(const QAbstractItemView* view, int row, int column, const QString& text,
                 int needed, int got) {
    return QStringLiteral("%1 row %2 column %3 \"%4\": needs %5 pixels, has %6")
        .arg(view->objectName())
        .arg(row)
        .arg(column)
        .arg(text)
        .arg(needed)
        .arg(got);
}

// A cell whose columns reach past the visible area can only be read if the view scrolls; the
// connection's steps and the oxygen-sensor results must be read whole at a glance.
bool reachable(const QAbstractItemView* view, const QRect& cell, int needed) {
    if (view->objectName() == QLatin1String("LogListBox") ||
        view->objectName() == QLatin1String("gridO2"))
        return cell.x() + std::min(needed, cell.width()) <= view->viewport()->width();
    if (cell.right() < view->viewport()->width())
        return true;
    return view->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

// Grid cells are drawn 2 pixels inside the cell; a list item needs what its delegate asks for
// (mark and text).
QStringList clippedTexts(const QAbstractItemView* view) {
    QStringList clipped;
    const QAbstractItemModel* model = view->model();
    if (model == nullptr)
        return clipped;
    const QFontMetrics metrics = view->fontMetrics();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            const QRect cell = view->visualRect(index);
            int needed = metrics.horizontalAdvance(text) + 2;
            if (qobject_cast<const QListView*>(view) != nullptr) {
                QStyleOptionViewItem option;
                option.initFrom(view);
                option.font = view->font();
                option.fontMetrics = metrics;
                option.decorationSize = view->iconSize();
                option.widget = view;
                needed = view->itemDelegateForIndex(index)->sizeHint(option, index).width();
            }
            if (needed > cell.width() || !reachable(view, cell, needed))
                clipped << describe(view, row, column, text, needed, cell.width());
        }
    }
    if (const auto* table = qobject_cast<const QTableView*>(view)) {
        const QHeaderView* header = table->horizontalHeader();
        for (int column = 0; header->isVisible() && column < model->columnCount(); ++column) {
            const QString text = model->headerData(column, Qt::Horizontal).toString();
            const int needed = header->fontMetrics().horizontalAdvance(text) + 2;
            if (!text.isEmpty() && needed > header->sectionSize(column))
                clipped << describe(view, -1, column, text, needed, header->sectionSize(column));
        }
    }
    return clipped;
}

// A caption as wide as its widget's room for it: the text and what the style draws around it.
QStringList clippedCaptions(const QWidget* page) {
    QStringList clipped;
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page->window()))
            continue;
        QString text;
        int room = w->width();
        int around = 0;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || Qt::mightBeRichText(label->text()))
                continue;
            text = label->text();
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            text = button->text();
            // The bevel and a little air; the style's own margins are more than a text needs.
            around = 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w) + 4;
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            text = box->text();
            around = box->sizeHint().width() -
                     box->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, text).width();
        } else if (const auto* gauge = qobject_cast<const AnalogGauge*>(w)) {
            for (const QString& crowded : gauge->crowdedTexts())
                clipped << QStringLiteral("%1 \"%2\" meets another text or its edge")
                               .arg(gauge->objectName(), crowded);
            continue;
        }
        if (text.isEmpty())
            continue;
        const int needed =
            w->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, text).width() + around;
        if (needed > room)
            clipped << QStringLiteral("%1 \"%2\": needs %3 pixels, has %4")
                           .arg(w->objectName(), text)
                           .arg(needed)
                           .arg(room);
    }
    return clipped;
}

// The page and, on a page of tabs, each tab in turn, grabbed and checked.
void checkPage(ProgramRun& run, QWidget* page, const QString& dir) {
    QList<QWidget*> views{page};
    QTabWidget* tabs = page->findChild<QTabWidget*>();
    for (int i = 1; tabs != nullptr && i < tabs->count(); ++i)
        views << tabs->widget(i);
    for (QWidget* view : views) {
        if (tabs != nullptr)
            tabs->setCurrentWidget(view == page ? tabs->widget(0) : view);
        QApplication::processEvents();
        const QString name = view == page
                                 ? page->objectName()
                                 : page->objectName() + QLatin1Char('-') + view->objectName();
        EXPECT_TRUE(
            run.window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
        const QStringList captions = clippedCaptions(page);
        EXPECT_TRUE(captions.isEmpty()) << name.toStdString() << ":\n"
                                        << captions.join(QLatin1Char('\n')).toStdString();
        // The lists and grids of the page as it opens.
        for (const QAbstractItemView* list : page->findChildren<QAbstractItemView*>()) {
            if (view != page)
                break;
            // Headers are views too; their texts are checked with their grid.
            if (!list->isVisibleTo(run.window.get()) || list->window() != run.window.get() ||
                qobject_cast<const QHeaderView*>(list) != nullptr)
                continue;
            const QStringList clipped = clippedTexts(list);
            EXPECT_TRUE(clipped.isEmpty()) << name.toStdString() << ":\n"
                                           << clipped.join(QLatin1Char('\n')).toStdString();
        }
    }
    if (tabs != nullptr)
        tabs->setCurrentIndex(0);
}

TEST(ReadableTexts, EveryPageInEveryLanguageShowsItsListAndGridTextsWhole) {
    const QStringList languages =
        Translator(data_dirs::programDir() + QStringLiteral("/locale")).availableLanguages();
    ASSERT_TRUE(languages.contains(QStringLiteral("en")));
    ASSERT_TRUE(languages.contains(QStringLiteral("de")));
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        ProgramRun run(language);
        run.window->show();
        const QSize defaultSize = run.window->size();
        run.connectDemo();
        ASSERT_FALSE(run.context.connection.noCommunication());
        run.showPage(QStringLiteral("btnO2Sensor"));
        run.click(QStringLiteral("dxButton11"));

        auto* bar = run.find<NavigationBar>(QStringLiteral("OutlookBar"));
        auto* notebook = run.find<QStackedWidget>(QStringLiteral("Notebook"));
        const QList<QToolButton*> buttons = bar->findChildren<QToolButton*>();
        ASSERT_GE(buttons.size(), 8);
        const QString dir = grabDir(language);
        for (QToolButton* button : buttons) {
            run.showPage(button->objectName());
            ASSERT_EQ(run.window->size(), defaultSize);
            checkPage(run, notebook->currentWidget(), dir);
        }
    }
}

} // namespace
