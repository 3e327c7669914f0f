// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlbase.h"
#include "controlfactory.h"
#include "propertybag.h"
#include "testenvironment.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace OlvarControls;

namespace {

/* The smallest control a host can place, save and restore. */
class TestGadget : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    explicit TestGadget(QWidget *parent = nullptr)
        : ControlBase(parent)
    {
    }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption)
    {
        m_caption = caption;
        propertyChanged(QStringLiteral("Caption"));
    }

    void InitProperties() override
    {
        m_caption = QStringLiteral("Gadget");
        setFont(ambientFont());
    }
    void ReadProperties(const PropertyBag &bag) override
    {
        m_caption = bag.ReadProperty(QStringLiteral("Caption"), QStringLiteral("Gadget")).toString();
    }
    void WriteProperties(PropertyBag &bag) override
    {
        bag.WriteProperty(QStringLiteral("Caption"), m_caption, QStringLiteral("Gadget"));
    }

private:
    QString m_caption;
};

} // namespace

OLVAR_REGISTER_CONTROL(TestGadget, "OlvarTest.Gadget");

namespace {

std::unique_ptr<TestGadget> createGadget(QWidget *parent = nullptr)
{
    return std::unique_ptr<TestGadget>(
        qobject_cast<TestGadget *>(ControlFactory::create(QStringLiteral("OlvarTest.Gadget"), parent)));
}

} // namespace

TEST(ControlFactory, CreatesControlsByTypeName)
{
    QWidget host;
    ControlBase *control = ControlFactory::create(QStringLiteral("olvartest.GADGET"), &host);
    ASSERT_NE(qobject_cast<TestGadget *>(control), nullptr);
    EXPECT_EQ(control->parentWidget(), &host);
    EXPECT_EQ(control->typeName(), QStringLiteral("OlvarTest.Gadget"));
    EXPECT_TRUE(ControlFactory::typeNames().contains(QStringLiteral("OlvarTest.Gadget")));

    EXPECT_EQ(ControlFactory::create(QStringLiteral("OlvarTest.Nothing"), &host), nullptr);
    EXPECT_EQ(ControlFactory::create(QString()), nullptr);
    EXPECT_FALSE(ControlFactory::registerType(QStringLiteral("OLVARTEST.gadget"),
                                              [](QWidget *) -> ControlBase * { return nullptr; }));
    EXPECT_FALSE(ControlFactory::registerType(QString(), [](QWidget *p) { return new TestGadget(p); }));
    EXPECT_NE(qobject_cast<TestGadget *>(createGadget().get()), nullptr);
    EXPECT_EQ(ControlBase().typeName(), QString());
}

TEST(ControlBase, SavesAndRestoresThroughTheHostsBag)
{
    auto placed = createGadget();
    placed->InitProperties();
    QSignalSpy notices(placed.get(), &ControlBase::PropertyChanged);
    placed->setProperty("Caption", QStringLiteral("Room 4"));
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(0).toString(), QStringLiteral("Caption"));

    PropertyBag bag;
    placed->WriteProperties(bag);
    auto restored = createGadget();
    restored->ReadProperties(PropertyBag::fromText(bag.toText()));
    EXPECT_EQ(restored->caption(), QStringLiteral("Room 4"));
}

TEST(ControlBase, AmbientPropertiesComeFromTheNearestContainerThatSetsThem)
{
    QFont hostFont(QStringLiteral("Tahoma"), 8);
    QWidget form;
    QWidget frame(&form);
    TestGadget week(&frame);
    TestGadget day(&week);

    EXPECT_TRUE(day.ambientUserMode());
    EXPECT_EQ(day.ambientFont(), QApplication::font());

    ControlBase::setAmbientProperties(&form, {false, hostFont});
    EXPECT_FALSE(day.ambientUserMode()); // through a plain widget and a control
    EXPECT_EQ(day.ambientFont(), hostFont);
    day.InitProperties();
    EXPECT_EQ(day.font(), hostFont);

    week.setAmbientProperties({true, QFont(QStringLiteral("Arial"), 10)});
    EXPECT_TRUE(day.ambientUserMode());
    EXPECT_EQ(day.ambientFont().family(), QStringLiteral("Arial"));
    EXPECT_FALSE(ControlBase::ambientPropertiesAt(&frame).userMode);

    TestGadget loose;
    AmbientProperties::setDefaults({false, hostFont});
    EXPECT_FALSE(loose.ambientUserMode());
    loose.setParent(&week);
    EXPECT_TRUE(loose.ambientUserMode());

    ControlBase::clearAmbientProperties(&week);
    ControlBase::clearAmbientProperties(&form);
    AmbientProperties::resetDefaults();
    EXPECT_TRUE(day.ambientUserMode());
    EXPECT_EQ(day.ambientFont(), QApplication::font());
}

#include "tst_controlhost.moc"
