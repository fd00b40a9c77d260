// What the shell's tests share: a program object that catches errors as the
// real one does, a data folder of their own, scripted password answers and
// data files made to order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/GlobalServices.h"
#include "gui/app/Application.h"

namespace tf::test {

// Every test program runs on a TApplication so that errors escaping event
// handlers take the program's own path.
#define TF_GUI_TEST_MAIN(TestClass)          \
  int main(int argc, char** argv) {          \
    tf::TApplication app(argc, argv);        \
    app.setAttribute(Qt::AA_Use96Dpi, true); \
    TestClass test;                          \
    return QTest::qExec(&test, argc, argv);  \
  }

// The answers the password prompt gives, in order; no value means "Cancel".
// Each request is counted, also those beyond the script (answered "Cancel").
struct TPromptScript {
  std::deque<std::optional<std::string>> Answers;
  std::vector<std::string> Initials;  // the text each prompt opened with
};

// Services for Global(): preferences in memory, `documents` as the user's
// documents folder, and the scripted prompt.
TGlobalServices TestServices(const QString& documents, std::shared_ptr<TPromptScript> prompt);

// A data file with the password and one account per name.
void WriteDataFile(const QString& path, const std::string& password,
                   const std::vector<std::string>& accountNames);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

}  // namespace tf::test
