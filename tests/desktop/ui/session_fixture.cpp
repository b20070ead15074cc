#include "tests/desktop/ui/session_fixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>

namespace grahavani::test {

QString SessionTest::Text(const QString& labelName) {
    const QLabel* label = OnMainWindow<QLabel>(labelName);
    return label ? label->text() : QString();
}

void SessionTest::Pick(const QString& list, const QString& entry) {
    QComboBox* box = OnForm<QComboBox>(list);
    const int index = box->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString() << " is not offered by " << list.toStdString();
    box->setCurrentIndex(index);
}

void SessionTest::ChooseFromAtlas(const QString& typed) {
    QLineEdit* city = OnForm<QLineEdit>("txtCity");
    city->clear();
    city->setFocus();
    QTest::keyClicks(city, typed);
    QAbstractItemView* popup = city->completer()->popup();
    ASSERT_TRUE(popup->isVisible()) << typed.toStdString();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
}

void SessionTest::EnterDelhi1947() {
    Type("txtName", "Asha Rao");
    Pick("cboDate", "15");
    Pick("cboMonth", "August");
    Pick("cboYear", "1947");
    Pick("cboHour", "0");
    Pick("cboMinute", "0");
    Type("txtCountry", "India");
    Type("txtState", "Delhi");
    Type("txtCity", "New Delhi");
    Type("txtLatDeg", "28");
    Type("txtLatMin", "39");
    Type("txtLonDeg", "77");
    Type("txtLonMin", "13");
    Pick("cboTimeZone", "Indian Time, IST, +5.3");
}

}  // namespace grahavani::test
