// What could not be saved of a record, told in whole sentences, so that French and Italian make
// their words agree with the count; the English sentences are those the other session tests match.

#include "session/UnsavedRecord.h"
#include "tests/support/LanguageGuard.h"

#include <gtest/gtest.h>

TEST(IncompleteRecordText, EachCaseIsOneSentenceInTheLanguage)
{
    const QStringList oneFile{"r.histo"}, twoFiles{"r.meta", "r.histo"};
    {
        const TLanguageGuard french(TLanguage::French);
        EXPECT_EQ(IncompleteRecordText(1, {}),
                  QString::fromUtf8("   L’enregistrement est incomplet\u00a0: 1 échantillon n’a pas pu être écrit dans "
                                    "son journal"));
        EXPECT_EQ(IncompleteRecordText(15, twoFiles),
                  QString::fromUtf8("   L’enregistrement est incomplet\u00a0: 15 échantillons n’ont pas pu être écrits "
                                    "dans son journal\u00a0; r.meta et r.histo n’ont pas pu être écrits"));
        EXPECT_EQ(IncompleteRecordText(0, oneFile),
                  QString::fromUtf8("   L’enregistrement est incomplet\u00a0: r.histo n’a pas pu être écrit"));
        // Files owed by several unsaved records are listed in one sentence.
        EXPECT_EQ(IncompleteRecordText(0, {"a.meta", "a.histo", "b.histo"}),
                  QString::fromUtf8("   L’enregistrement est incomplet\u00a0: a.meta et a.histo et b.histo n’ont pas pu "
                                    "être écrits"));
    }
    {
        const TLanguageGuard italian(TLanguage::Italian);
        EXPECT_EQ(IncompleteRecordText(2, oneFile),
                  QString::fromUtf8("   La registrazione è incompleta: 2 campioni non sono stati scritti nel suo log; "
                                    "r.histo non è stato scritto"));
    }
    EXPECT_EQ(IncompleteRecordText(0, {"a.meta", "a.histo", "b.histo"}),
              "   The record is incomplete: a.meta and a.histo and b.histo could not be written");
    EXPECT_EQ(IncompleteRecordText(0, {}), QString());
}
