// rq51-cli: drives the program's windows without a display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#ifndef RQ51_NO_CHART
#include <QString>

#include "ui/language.h"
#endif

int main(int argc, char** argv) {
  rq51::cli::CliLanguages languages;
#ifndef RQ51_NO_CHART
  // The window texts speak the languages whose translations are built in.
  for (const QString& code : rq51::AvailableLanguages()) {
    languages.codes.push_back(code.toStdString());
  }
  languages.use = [](const std::string& code) {
    return rq51::UseLanguage(QString::fromStdString(code));
  };
#endif
  return rq51::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           languages);
}
