// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testrunner.h"

#include "model/designmodel.h"
#include "model/blockitem.h"
#include "model/labelregistry.h"

#include <QSignalSpy>
#include <QTest>

class LabelRegistryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registersFromModel_data();
    void registersFromModel();
    void entriesOrderedByNumber();
    void presencePerSheet();
    void looks();
    void dragKeys();
    void reregistrationKeepsEntry();
    void removeAndReset();
    void deletedBlockIsForgotten();

private:
    DesignModel *m_model = nullptr;
    LabelRegistry *m_registry = nullptr;
};

void LabelRegistryTest::init()
{
    m_model = new DesignModel;
    m_registry = new LabelRegistry;
    connect(m_model, &DesignModel::labelBlockAdded, m_registry, &LabelRegistry::registerSource);
    connect(m_model, &DesignModel::blockAboutToBeRemoved, m_registry, &LabelRegistry::forgetBlock);
}

void LabelRegistryTest::cleanup()
{
    delete m_model;
    delete m_registry;
}

void LabelRegistryTest::registersFromModel_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("feedback");
    QTest::addColumn<bool>("present");

    QTest::newRow("feedback") << "FeedBack" << "FeedBack3" << "FeedBack3" << true << false;
    QTest::newRow("delayed feedback name") << "FeedBack" << "Delay 45ns     FeedBack2" << "FeedBack2" << true << false;
    QTest::newRow("label") << "Label" << "Label4" << "Label4" << false << true;
    QTest::newRow("pre label") << "PreLabel" << "Label5" << "Label5" << false << true;
}

void LabelRegistryTest::registersFromModel()
{
    QFETCH(QString, term);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(bool, feedback);
    QFETCH(bool, present);

    m_registry->setCurrentSheet(2);
    BlockItem *block = m_model->createBlock(term, 0, 2, name);
    const QList<LabelRegistry::Entry> &list = feedback ? m_registry->feedbackLabels() : m_registry->labels();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().name, entry);
    QCOMPARE(list.first().source, block);
    QCOMPARE(list.first().sheet, 2);
    QCOMPARE(m_registry->isPresent(entry), present);
    QCOMPARE(m_registry->isPresent(entry, 2), present);
    QCOMPARE(m_registry->isPresent(entry, 0), false);
    QVERIFY(m_registry->isPresent("Label99"));
    QCOMPARE((feedback ? m_registry->labels() : m_registry->feedbackLabels()).size(), 0);
}

void LabelRegistryTest::entriesOrderedByNumber()
{
    for (const char *name : {"Label10", "Label2", "Label0", "Label11"})
        m_model->addLabelIn(0, 0, name);
    for (const char *name : {"FeedBack7", "FeedBack1"})
        m_model->addFeedBack(0, 0, name);
    m_registry->setPresence("PreLabel3", true);
    QStringList names;
    for (const LabelRegistry::Entry &entry : m_registry->labels())
        names << entry.name;
    QCOMPARE(names, (QStringList{"Label0", "Label2", "Label3", "Label10", "Label11"}));
    QCOMPARE(m_registry->feedbackLabels().first().name, QString("FeedBack1"));
}

void LabelRegistryTest::presencePerSheet()
{
    m_model->addFeedBack(0, 0, "FeedBack0");
    QSignalSpy spy(m_registry, &LabelRegistry::changed);
    m_registry->setCurrentSheet(1);
    m_registry->setPresence("FeedBack0", true);
    QCOMPARE(spy.size(), 2);
    QVERIFY(m_registry->isPresent("FeedBack0"));
    QVERIFY(!m_registry->isPresent("FeedBack0", 0));
    QVERIFY(!m_registry->canDrag(*m_registry->find("FeedBack0")));
    m_registry->setCurrentSheet(0);
    QVERIFY(m_registry->canDrag(*m_registry->find("FeedBack0")));
    m_registry->setCurrentSheet(0);
    QCOMPARE(spy.size(), 3);
}

void LabelRegistryTest::looks()
{
    BlockItem *preLabel = m_model->createBlock("PreLabel", 0, 0, "Label0");
    m_model->createBlock("Label", 0, 0, "Label1");
    m_model->addFeedBack(0, 0, "FeedBack0");
    m_registry->setPresence("Label7", false);
    QCOMPARE(preLabel->term(), QString("PreLabel"));

    using Look = LabelRegistry::Look;
    QCOMPARE(m_registry->look(*m_registry->find("Label0")), Look::Off); // present where defined
    m_registry->setCurrentSheet(1);
    QCOMPARE(m_registry->look(*m_registry->find("Label0")), Look::LabelOn);
    QCOMPARE(m_registry->look(*m_registry->find("Label1")), Look::FunctionLabelOn);
    QCOMPARE(m_registry->look(*m_registry->find("FeedBack0")), Look::FunctionLabelOn);
    QCOMPARE(m_registry->look(*m_registry->find("Label7")), Look::Off); // no source block
}

void LabelRegistryTest::dragKeys()
{
    m_model->createBlock("PreLabel", 0, 0, "Label0");
    m_model->createBlock("Label", 0, 0, "Label1");
    m_model->addFeedBack(0, 0, "FeedBack0");
    QCOMPARE(LabelRegistry::dragKey(*m_registry->find("Label0")), QString("PreLabel0"));
    QCOMPARE(LabelRegistry::dragKey(*m_registry->find("Label1")), QString("Label1"));
    QCOMPARE(LabelRegistry::dragKey(*m_registry->find("FeedBack0")), QString("FeedBack0"));
    QCOMPARE(m_registry->find("PreLabel0"), m_registry->find("Label0"));
    QCOMPARE(LabelRegistry::entryName("OUTFeedBack3"), QString("FeedBack3"));
    QCOMPARE(LabelRegistry::entryName("PreLgc0"), QString());
}

void LabelRegistryTest::reregistrationKeepsEntry()
{
    m_registry->setCurrentSheet(1);
    m_registry->setPresence("FeedBack0", true);
    BlockItem *feedback = m_model->addFeedBack(0, 0, "FeedBack0");
    QCOMPARE(m_registry->feedbackLabels().size(), 1);
    QCOMPARE(m_registry->find("FeedBack0")->source, feedback);
    QVERIFY(m_registry->isPresent("FeedBack0"));
    m_registry->setUserName("FeedBack0", "Veto");
    QCOMPARE(m_registry->find("FeedBack0")->userName, QString("Veto"));
}

void LabelRegistryTest::removeAndReset()
{
    m_model->addLabelIn(0, 0, "Label0");
    m_model->addLabelIn(0, 0, "Label1");
    m_model->addFeedBack(0, 0, "FeedBack0");
    m_registry->removeLabel("Label0");
    QCOMPARE(m_registry->labels().size(), 1);
    QCOMPARE(m_registry->labels().first().name, QString("Label1"));
    m_registry->removeLabel("Label0");
    m_registry->reset();
    QVERIFY(m_registry->labels().isEmpty());
    QVERIFY(m_registry->feedbackLabels().isEmpty());
}

void LabelRegistryTest::deletedBlockIsForgotten()
{
    BlockItem *feedback = m_model->addFeedBack(0, 0, "FeedBack0");
    m_model->removeBlock(feedback);
    QCOMPARE(m_registry->find("FeedBack0")->source, nullptr);
    m_model->addLabelIn(0, 0, "Label0");
    m_model->clearDesign();
    QCOMPARE(m_registry->find("Label0")->source, nullptr);
}

KARIX_TEST(LabelRegistryTest)
#include "labelregistrytest.moc"
