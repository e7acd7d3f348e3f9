// What the program writes does not change with the language: the settings file and a
// record's meta data, taken from the metadata dialog as it first shows, are the same bytes in
// French and in Italian as in English.

#include "dialogs/MetaDataDialog.h"
#include "storage/LastSettings.h"
#include "storage/MetaData.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/FakeServices.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/TempAppDir.h"

#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct TWrittenFiles {
    QByteArray Settings;
    QByteArray Meta;
};

TWrittenFiles WriteFilesIn(TLanguage language)
{
    const TLanguageGuard guard(language);
    const TFakeServices services;
    const TempAppDir app;
    TMetaData meta{};
    meta.Unit = 0;
    meta.Interval = 2;
    TMetaDataDialog dialog(meta);
    const ModalHookGuard<TMetaDataDialog> hook([](TMetaDataDialog &shown) { shown.ImageOKb->click(); });
    EXPECT_TRUE(dialog.Execute());
    const QString metaPath = app.Paths().LogDir + "2025 01 07 - 09 05 03.meta";
    WriteMetaFile(metaPath, meta, 45664.378);

    TLastSettings settings;
    settings.AlertsOn = true;
    settings.Unit = 0;
    settings.IntervalIndex = 3;
    settings.Population = 1;
    const QString settingsPath = app.Paths().SettingsDir + LastSettingsFileName;
    SaveSettingsFile(settingsPath, settings);
    return {ReadWholeFile(settingsPath), ReadWholeFile(metaPath)};
}

} // namespace

TEST(FilesInAnyLanguage, TheSettingsFileAndTheMetaDataAreTheSameBytes)
{
    const TWrittenFiles english = WriteFilesIn(TLanguage::English);
    ASSERT_FALSE(english.Settings.isEmpty());
    ASSERT_EQ(english.Meta.size(), 576);
    for (const TLanguage language : {TLanguage::French, TLanguage::Italian}) {
        SCOPED_TRACE(LanguageCode(language).toStdString());
        const TWrittenFiles written = WriteFilesIn(language);
        EXPECT_EQ(written.Settings, english.Settings);
        EXPECT_EQ(written.Meta, english.Meta);
    }
}
