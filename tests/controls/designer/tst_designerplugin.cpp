// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "ambientproperties.h"
#include "calendar.h"
#include "controlbase.h"
#include "hourlet.h"
#include "olecolor.h"
#include "oledate.h"
#include "settings.h"
#include "testenvironment.h"
#include "weekview.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QPushButton>
#include <QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <memory>

using namespace OlvarControls;

/* A property sheet as Designer's own one works: every property by its meta-object. */
class PlainSheet : public QObject, public QDesignerPropertySheetExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

public:
    PlainSheet(QObject *object, QObject *parent)
        : QObject(parent)
        , m_object(object)
    {
    }

    int count() const override { return m_object->metaObject()->propertyCount(); }
    int indexOf(const QString &name) const override
    {
        return m_object->metaObject()->indexOfProperty(name.toLatin1().constData());
    }
    QString propertyName(int index) const override
    {
        return QString::fromLatin1(m_object->metaObject()->property(index).name());
    }
    QString propertyGroup(int) const override { return QString(); }
    void setPropertyGroup(int, const QString &) override { }
    bool hasReset(int) const override { return false; }
    bool reset(int) override { return false; }
    bool isVisible(int) const override { return true; }
    void setVisible(int, bool) override { }
    bool isAttribute(int) const override { return false; }
    void setAttribute(int, bool) override { }
    QVariant property(int index) const override { return m_object->metaObject()->property(index).read(m_object); }
    void setProperty(int index, const QVariant &value) override
    {
        m_object->metaObject()->property(index).write(m_object, value);
    }
    bool isChanged(int) const override { return false; }
    void setChanged(int, bool) override { }
    bool isEnabled(int) const override { return true; }

private:
    QObject *m_object;
};

class PlainSheetFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    using QExtensionFactory::QExtensionFactory;

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override
    {
        return iid == Q_TYPEID(QDesignerPropertySheetExtension) ? new PlainSheet(object, parent) : nullptr;
    }
};

/* A form editor with an extension manager that already knows the plain sheets. */
class FormEditor : public QDesignerFormEditorInterface
{
    Q_OBJECT

public:
    FormEditor()
    {
        auto *manager = new QExtensionManager(this);
        manager->registerExtensions(new PlainSheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
        setExtensionManager(manager);
    }
};

/* A form in Designer's form editor, as far as the plugin looks: a QDesignerFormWindowInterface among the ancestors. */
class FormWindow : public QDesignerFormWindowInterface
{
    Q_OBJECT

public:
    QString fileName() const override { return {}; }
    QDir absoluteDir() const override { return {}; }
    QString contents() const override { return {}; }
    QStringList checkContents() const override { return {}; }
    bool setContents(QIODevice *, QString *) override { return false; }
    Feature features() const override { return {}; }
    bool hasFeature(Feature) const override { return false; }
    QString author() const override { return {}; }
    void setAuthor(const QString &) override { }
    QString comment() const override { return {}; }
    void setComment(const QString &) override { }
    void layoutDefault(int *, int *) override { }
    void setLayoutDefault(int, int) override { }
    void layoutFunction(QString *, QString *) override { }
    void setLayoutFunction(const QString &, const QString &) override { }
    QString pixmapFunction() const override { return {}; }
    void setPixmapFunction(const QString &) override { }
    QString exportMacro() const override { return {}; }
    void setExportMacro(const QString &) override { }
    QStringList includeHints() const override { return {}; }
    void setIncludeHints(const QStringList &) override { }
    ResourceFileSaveMode resourceFileSaveMode() const override { return SaveAllResourceFiles; }
    void setResourceFileSaveMode(ResourceFileSaveMode) override { }
    QtResourceSet *resourceSet() const override { return nullptr; }
    void setResourceSet(QtResourceSet *) override { }
    QDesignerFormWindowCursorInterface *cursor() const override { return nullptr; }
    int toolCount() const override { return 0; }
    int currentTool() const override { return 0; }
    void setCurrentTool(int) override { }
    QDesignerFormWindowToolInterface *tool(int) const override { return nullptr; }
    void registerTool(QDesignerFormWindowToolInterface *) override { }
    QPoint grid() const override { return {}; }
    QWidget *mainContainer() const override { return nullptr; }
    void setMainContainer(QWidget *) override { }
    QWidget *formContainer() const override { return nullptr; }
    bool isManaged(QWidget *) const override { return false; }
    bool isDirty() const override { return false; }
    QUndoStack *commandHistory() const override { return nullptr; }
    void beginCommand(const QString &) override { }
    void endCommand() override { }
    void simplifySelection(QList<QWidget *> *) const override { }
    void emitSelectionChanged() override { }
    QStringList resourceFiles() const override { return {}; }
    void addResourceFile(const QString &) override { }
    void removeResourceFile(const QString &) override { }
    void ensureUniqueObjectName(QObject *) override { }
    void manageWidget(QWidget *) override { }
    void unmanageWidget(QWidget *) override { }
    void setFeatures(Feature) override { }
    void setDirty(bool) override { }
    void clearSelection(bool) override { }
    void selectWidget(QWidget *, bool) override { }
    void setGrid(const QPoint &) override { }
    void setFileName(const QString &) override { }
    bool setContents(const QString &) override { return false; }
    void editWidgets() override { }
};

namespace {

class DesignerPlugin : public testing::Test
{
protected:
    void SetUp() override
    {
        loader.setFileName(QStringLiteral(OLVAR_DESIGNER_PLUGIN_FILE));
        ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        ASSERT_NE(collection, nullptr);
        widgets = collection->customWidgets();
    }

    QDesignerCustomWidgetInterface *widget(const QString &className) const
    {
        for (QDesignerCustomWidgetInterface *candidate : widgets) {
            if (candidate->name() == className)
                return candidate;
        }
        return nullptr;
    }

    /* Initialises every control of the plugin for \a core. */
    void initialize(QDesignerFormEditorInterface *core) const
    {
        for (QDesignerCustomWidgetInterface *candidate : widgets) {
            candidate->initialize(core);
            EXPECT_TRUE(candidate->isInitialized());
        }
    }

    QPluginLoader loader;
    QList<QDesignerCustomWidgetInterface *> widgets;
};

} // namespace

TEST_F(DesignerPlugin, OffersEachControlInTheOlvarGroupAndCreatesItInDesignMode)
{
    const QStringList expected{QStringLiteral("OlvarControls::Hourlet"), QStringLiteral("OlvarControls::WeekView"),
                               QStringLiteral("OlvarControls::Calendar"),
                               QStringLiteral("OlvarControls::PeriodicTimer"),
                               QStringLiteral("OlvarControls::AnalogClock")};
    QStringList names;
    FormWindow form;
    QFont formFont(QStringLiteral("DejaVu Sans"), 11);
    form.setFont(formFont);
    for (QDesignerCustomWidgetInterface *candidate : widgets) {
        names << candidate->name();
        EXPECT_EQ(candidate->group(), QStringLiteral("Olvar"));
        EXPECT_FALSE(candidate->isContainer());
        EXPECT_TRUE(candidate->domXml().contains(QStringLiteral("class=\"%1\"").arg(candidate->name())));
        EXPECT_TRUE(candidate->includeFile().endsWith(QStringLiteral(".h")));

        std::unique_ptr<QWidget> created(candidate->createWidget(&form));
        ASSERT_NE(created, nullptr) << candidate->name().toStdString();
        EXPECT_EQ(QString::fromLatin1(created->metaObject()->className()), candidate->name());
        EXPECT_EQ(created->parentWidget(), &form);
        auto *control = qobject_cast<ControlBase *>(created.get());
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->ambientUserMode()) << candidate->name().toStdString();
        EXPECT_EQ(control->ambientFont(), formFont);
    }
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(AmbientProperties::defaults().userMode); // only the created controls are in design mode

    // The new placement has its defaults: a week view's AppItemFont is the form's font.
    std::unique_ptr<QWidget> week(widget(QStringLiteral("OlvarControls::WeekView"))->createWidget(&form));
    EXPECT_EQ(qobject_cast<WeekView *>(week.get())->appItemFont(), formFont);
}

TEST_F(DesignerPlugin, AFormLoadedAtRunTimeGetsControlsAsMadeInCode)
{
    // QUiLoader and Designer's preview create the controls outside any form window.
    QWidget form;
    for (QDesignerCustomWidgetInterface *candidate : widgets) {
        std::unique_ptr<QWidget> created(candidate->createWidget(&form));
        auto *control = qobject_cast<ControlBase *>(created.get());
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->ambientUserMode()) << candidate->name().toStdString();
    }
    std::unique_ptr<QWidget> created(widget(QStringLiteral("OlvarControls::Calendar"))->createWidget(&form));
    auto *calendar = qobject_cast<Calendar *>(created.get());
    calendar->setText(QStringLiteral("01/02/2024")); // refused with error 387 in design mode
    EXPECT_EQ(calendar->text(), QVariant(QStringLiteral("01/02/2024")));
}

TEST_F(DesignerPlugin, ThePropertyEditorSeesColoursDatesAndNumbersItKnows)
{
    FormEditor core;
    initialize(&core);
    initialize(&core); // a second initialisation registers nothing twice
    QWidget form;
    std::unique_ptr<QWidget> created(widget(QStringLiteral("OlvarControls::WeekView"))->createWidget(&form));
    auto *view = qobject_cast<WeekView *>(created.get());
    ASSERT_NE(view, nullptr);
    auto *sheet = qt_extension<QDesignerPropertySheetExtension *>(core.extensionManager(), view);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(dynamic_cast<PlainSheet *>(sheet), nullptr); // the plugin's sheet, over the plain one

    const int available = sheet->indexOf(QStringLiteral("AvailableColor"));
    ASSERT_GE(available, 0);
    EXPECT_EQ(sheet->property(available), QVariant(QColor(0xE1, 0xE4, 0xB6)));
    sheet->setProperty(available, QColor(0x01, 0x02, 0x03));
    EXPECT_EQ(view->availableColor(), OleColor(0x030201));
    EXPECT_EQ(view->column(4)->availableColor(), OleColor(0x030201));

    const int border = sheet->indexOf(QStringLiteral("BorderStyle"));
    EXPECT_EQ(sheet->property(border).metaType(), QMetaType::fromType<int>());
    sheet->setProperty(border, 1);
    EXPECT_EQ(view->borderStyle(), 1);
    sheet->setProperty(border, 100000); // too large for the property: refused, not thrown
    EXPECT_EQ(view->borderStyle(), 1);

    const int date = sheet->indexOf(QStringLiteral("ActiveDate"));
    sheet->setProperty(date, QDateTime(QDate(2026, 3, 11), QTime(0, 0)));
    EXPECT_EQ(view->activeDate(), OleDate::fromDate(QDate(2026, 3, 11)));
    EXPECT_EQ(sheet->property(date), QVariant(QDateTime(QDate(2026, 3, 11), QTime(0, 0))));

    const int format = sheet->indexOf(QStringLiteral("DateFormat"));
    sheet->setProperty(format, QStringLiteral("dd mmm"));
    EXPECT_EQ(sheet->property(format), QVariant(QStringLiteral("dd mmm")));
    EXPECT_EQ(sheet->count(), view->metaObject()->propertyCount());

    // A widget that is no Olvar control keeps the plain sheet.
    QWidget plain;
    EXPECT_NE(
        dynamic_cast<PlainSheet *>(qt_extension<QDesignerPropertySheetExtension *>(core.extensionManager(), &plain)),
        nullptr);
}

TEST_F(DesignerPlugin, SettingsOpensThePageOnTheDayAndWeekViewsAndApplies)
{
    FormEditor core;
    initialize(&core);
    QWidget form;
    std::unique_ptr<QWidget> calendar(widget(QStringLiteral("OlvarControls::Calendar"))->createWidget(&form));
    EXPECT_EQ(qt_extension<QDesignerTaskMenuExtension *>(core.extensionManager(), calendar.get()), nullptr);
    std::unique_ptr<QWidget> day(widget(QStringLiteral("OlvarControls::Hourlet"))->createWidget(&form));
    EXPECT_NE(qt_extension<QDesignerTaskMenuExtension *>(core.extensionManager(), day.get()), nullptr);

    std::unique_ptr<QWidget> created(widget(QStringLiteral("OlvarControls::WeekView"))->createWidget(&form));
    auto *view = qobject_cast<WeekView *>(created.get());
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(core.extensionManager(), view);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->taskActions().size(), 1);
    QAction *action = menu->taskActions().first();
    EXPECT_EQ(action->text(), QStringLiteral("Settings..."));
    EXPECT_EQ(menu->preferredEditAction(), action);

    bool pageSeen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *page = dialog->findChild<Settings *>();
        ASSERT_NE(page, nullptr);
        pageSeen = page->selectedControls() == QList<QObject *>{view};
        page->findChild<QLineEdit *>(QStringLiteral("txtDateFormat"))->setText(QStringLiteral("dd/mm"));
        page->findChild<QLineEdit *>(QStringLiteral("txtActiveDate"))->setText(QStringLiteral("16/03/2026"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action->trigger();
    EXPECT_TRUE(pageSeen);
    EXPECT_EQ(view->dateFormat(), QStringLiteral("dd/mm"));
    EXPECT_EQ(view->activeDate(), OleDate::fromDate(QDate(2026, 3, 16)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(DesignerPlugin, ARefusedValueIsReportedAndThePageStaysOpen)
{
    FormEditor core;
    initialize(&core);
    QWidget form;
    std::unique_ptr<QWidget> created(widget(QStringLiteral("OlvarControls::Hourlet"))->createWidget(&form));
    auto *day = qobject_cast<Hourlet *>(created.get());
    auto *menu = qt_extension<QDesignerTaskMenuExtension *>(core.extensionManager(), day);
    ASSERT_NE(menu, nullptr);
    OlvarTest::ScriptedMessageBoxes &boxes = OlvarTest::messageBoxes();
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *page = dialog->findChild<Settings *>();
        page->findChild<QLineEdit *>(QStringLiteral("txtDateFormat"))->setText(QStringLiteral("dd"));
        page->findChild<QLineEdit *>(QStringLiteral("txtVScrollValue"))->setText(QStringLiteral("many"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(QDialogButtonBox::Ok)->click();
        stayedOpen = dialog->isVisible();
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    menu->taskActions().first()->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(day->dateFormat(), QStringLiteral("dd")); // written before the refused value
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().prompt, QStringLiteral("13\r\nType mismatch"));
}

#include "tst_designerplugin.moc"
