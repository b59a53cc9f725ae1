#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QVariant>
#include <memory>

namespace rq51 {

namespace {

constexpr char kSettingsKey[] = "language";
constexpr char kFolder[] = ":/translations";

// What names a language in itself: each translation gives this text as the
// language's own name.
constexpr char kNameContext[] = "Language";
constexpr char kJapaneseName[] = RQ51_TR_NOOP("Language", "日本語");

// The translators installed now; replaced on each change of language.
struct Installed {
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

Installed& Now() {
  static Installed installed;
  return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator && QCoreApplication::instance() != nullptr) {
    QCoreApplication::removeTranslator(translator.get());
  }
  translator.reset();
}

std::unique_ptr<QTranslator> Load(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder)) return nullptr;
  return translator;
}

QString ProgramFile(const QString& code) { return QStringLiteral("rq51_") + code; }

}  // namespace

QStringList AvailableLanguages() {
  QStringList codes{QString::fromLatin1(kJapanese.data(), kJapanese.size())};
  const QStringList files = QDir(QLatin1String(kFolder))
                                .entryList({QStringLiteral("rq51_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) codes << file.mid(5, file.size() - 8);
  return codes;
}

bool UseLanguage(const QString& code) {
  const bool japanese = code == QLatin1String(kJapanese.data(), kJapanese.size());
  std::unique_ptr<QTranslator> program;
  if (!japanese) {
    program = Load(ProgramFile(code), QLatin1String(kFolder));
    if (!program) return false;
  }
  Installed& now = Now();
  Remove(now.program);
  Remove(now.qt);
  now.program = std::move(program);
  // Qt's texts are written in English; other languages come from Qt's
  // translations, where the system has them.
  if (code != QLatin1String("en")) {
    now.qt = Load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  if (QCoreApplication::instance() != nullptr) {
    if (now.qt) QCoreApplication::installTranslator(now.qt.get());
    if (now.program) QCoreApplication::installTranslator(now.program.get());
  }
  TranslationLookup lookup;
  if (now.program) {
    lookup = [translator = now.program.get()](const char* context, const char* text) {
      const QString translated = translator->translate(context, text);
      return translated.isEmpty() ? std::string(text) : translated.toStdString();
    };
  }
  SetLanguage(code.toStdString(), std::move(lookup));
  return true;
}

QString RememberedLanguage(QSettings& settings) {
  const QString code = settings.value(QLatin1String(kSettingsKey)).toString();
  if (AvailableLanguages().contains(code)) return code;
  return QString::fromLatin1(kJapanese.data(), kJapanese.size());
}

void RememberLanguage(QSettings& settings, const QString& code) {
  settings.setValue(QLatin1String(kSettingsKey), code);
}

QString LanguageName(const QString& code) {
  if (code == QLatin1String(kJapanese.data(), kJapanese.size())) {
    return QString::fromUtf8(kJapaneseName);
  }
  QTranslator translator;
  if (!translator.load(ProgramFile(code), QLatin1String(kFolder))) return code;
  const QString name = translator.translate(kNameContext, kJapaneseName);
  return name.isEmpty() ? code : name;
}

}  // namespace rq51
