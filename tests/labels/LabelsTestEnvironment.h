// The labels tests run with a QApplication on the offscreen platform (the dialogs), scripted
// prompts, and a throw-away program folder whose sysdata holds a copy of the delivered catalogue.
#pragma once

#include "prompts/TScriptedUserPrompts.h"
#include "settings/TProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TLabelsTest : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TScriptedUserPrompts Prompts;

    void SetUp() override
    {
        TProgramFolder::SetPath(Home.path() + QLatin1Char('/'));
        QDir().mkpath(TProgramFolder::SysdataFolder());
    }
    // Copies the catalogue the build delivers into the program's sysdata (with or without its index).
    void InstallCatalogue(bool withIndex = true)
    {
        const QString from = QStringLiteral(QUORVANE_DELIVERED_SYSDATA_DIR "/");
        QFile::remove(TProgramFolder::SysdataFolder() + "LBLTPL.DBF");
        QFile::remove(TProgramFolder::SysdataFolder() + "LBLTPL.CDX");
        ASSERT_TRUE(QFile::copy(from + "LBLTPL.DBF", TProgramFolder::SysdataFolder() + "LBLTPL.DBF"));
        if (withIndex) {
            ASSERT_TRUE(QFile::copy(from + "LBLTPL.CDX", TProgramFolder::SysdataFolder() + "LBLTPL.CDX"));
        }
    }
};
