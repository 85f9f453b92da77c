#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

/// Answers the modal windows the code under test opens, as a user at the keyboard would:
/// each new modal window is recorded (its object name and text) and handed to the next
/// scripted answer, or closed with Enter when no answer is left.
class ModalAnswerer final : public QObject {
  public:
    struct Seen {
        QString name;
        QString text;
    };
    using Answer = std::function<void(QWidget*)>;

    ModalAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
        timer_.start();
    }

    static Answer Press(Qt::Key key) {
        return [key](QWidget* window) {
            QWidget* target = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyClick(target, key);
        };
    }
    static Answer Click(const char* buttonName) {
        return [buttonName](QWidget* window) {
            auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
            QVERIFY2(button != nullptr, buttonName);
            button->click();
        };
    }

    std::deque<Answer> answers;
    std::vector<Seen> seen;

    QStringList Names() const {
        QStringList names;
        for (const Seen& s : seen) {
            names << s.name;
        }
        return names;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Seen& s : seen) {
            texts << s.text;
        }
        return texts;
    }

  private:
    void Check() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || window->property("answered").toBool()) {
            return;
        }
        window->setProperty("answered", true);
        QString text;
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            text = box->text();
        } else if (auto* label = window->findChild<QLabel*>(QStringLiteral("text"))) {
            text = label->text();
        } else if (auto* line = window->findChild<QLabel*>(QStringLiteral("line1"))) {
            text = line->text();
        }
        seen.push_back({window->objectName(), text});
        Answer answer = Press(Qt::Key_Return);
        if (!answers.empty()) {
            answer = std::move(answers.front());
            answers.pop_front();
        }
        answer(window);
    }

    QTimer timer_;
};
