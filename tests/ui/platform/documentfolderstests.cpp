// Where the help documents are found: the working directory, the installed
// documents folder beside the program, the build tree's documents; and what
// the menu says when none holds the file.

#include "windowharness.h"

#include "ui/platform/desktopdocuments.h"
#include "ui/platform/documentfolders.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>

namespace dryfriction::test {
namespace {

// A scratch tree with the folders a program meets: a working directory, an
// installed prefix (bin/ and share/dryfriction/docs/) and a build tree
// (app/ for the program, docs/ for the documents it builds).
class Tree {
public:
    Tree()
    {
        for (const char* folder : {"work", "prefix/bin", "prefix/share/dryfriction/docs", "build/app", "build/docs"})
            QDir(m_root.path()).mkpath(QString::fromLatin1(folder));
    }
    QString path(const char* folder) const { return QDir::cleanPath(m_root.path() + QLatin1Char('/') + QLatin1String(folder)); }
    DocumentPlaces places() const
    {
        return {QStringLiteral("../share/dryfriction/docs"), path("build"), path("build/docs")};
    }
    void put(const char* folder, const QString& name) const
    {
        QFile file(QDir(path(folder)).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write("%PDF");
    }

private:
    QTemporaryDir m_root;
};

struct LookupCase {
    const char* name;
    const char* program;                    // folder of the executable in the tree
    std::initializer_list<const char*> in;  // folders holding spravka.pdf
    const char* found;                      // where it is found; nullptr: nowhere
};

const LookupCase kLookups[] = {
    {"working directory before the installed folder", "prefix/bin",
     {"work", "prefix/share/dryfriction/docs", "build/docs"}, "work"},
    {"installed folder beside the program", "prefix/bin", {"prefix/share/dryfriction/docs"},
     "prefix/share/dryfriction/docs"},
    {"build tree for a program run from it", "build/app", {"build/docs"}, "build/docs"},
    {"build tree not for an installed program", "prefix/bin", {"build/docs"}, nullptr},
    {"working directory for a program anywhere", "build/app", {"work", "build/docs"}, "work"},
    {"nowhere", "prefix/bin", {}, nullptr},
};

TEST(DocumentFolders, EachPlaceInItsTurn)
{
    for (const LookupCase& c : kLookups) {
        Tree tree;
        for (const char* folder : c.in)
            tree.put(folder, QStringLiteral("spravka.pdf"));
        const QStringList folders = documentFolders(tree.path("work"), tree.path(c.program), tree.places());
        const QString found = findDocument(QStringLiteral("spravka.pdf"), folders);
        if (c.found == nullptr)
            EXPECT_TRUE(found.isEmpty()) << c.name << ": found " << found.toStdString();
        else
            EXPECT_EQ(found, QDir(tree.path(c.found)).filePath(QStringLiteral("spravka.pdf"))) << c.name;
    }
}

TEST(DocumentFolders, InstalledFolderIsFoundBeforeTheBuildTrees)
{
    // A prefix inside the build tree (an install for trying it out): its
    // installed folder comes before the build's documents.
    Tree tree;
    QDir(tree.path("build")).mkpath(QStringLiteral("stage/bin"));
    QDir(tree.path("build")).mkpath(QStringLiteral("stage/share/dryfriction/docs"));
    tree.put("build/stage/share/dryfriction/docs", QStringLiteral("uprav.pdf"));
    tree.put("build/docs", QStringLiteral("uprav.pdf"));
    const QStringList folders = documentFolders(tree.path("work"), tree.path("build/stage/bin"), tree.places());
    EXPECT_EQ(folders, (QStringList{tree.path("work"), tree.path("build/stage/share/dryfriction/docs"),
                                    tree.path("build/docs")}));
    EXPECT_EQ(findDocument(QStringLiteral("uprav.pdf"), folders),
              QDir(tree.path("build/stage/share/dryfriction/docs")).filePath(QStringLiteral("uprav.pdf")));
}

TEST(DocumentFolders, EachFolderOnceAndOnlyFiles)
{
    Tree tree;
    // Started in its own documents folder: searched once, not twice.
    EXPECT_EQ(documentFolders(tree.path("prefix/share/dryfriction/docs"), tree.path("prefix/bin"), tree.places()),
              QStringList{tree.path("prefix/share/dryfriction/docs")});
    // A folder with a document's name is not the document.
    QDir(tree.path("work")).mkdir(QStringLiteral("Coulomb.pdf"));
    tree.put("prefix/share/dryfriction/docs", QStringLiteral("Coulomb.pdf"));
    EXPECT_EQ(findDocument(QStringLiteral("Coulomb.pdf"),
                           documentFolders(tree.path("work"), tree.path("prefix/bin"), tree.places())),
              QDir(tree.path("prefix/share/dryfriction/docs")).filePath(QStringLiteral("Coulomb.pdf")));
    // A program in a folder whose name only begins like the build tree's is not in it.
    QDir(tree.path("")).mkpath(QStringLiteral("build-other/app"));
    EXPECT_EQ(documentFolders(tree.path("work"), tree.path("build-other/app"), tree.places()).size(), 2);
}

TEST(DocumentFolders, BuildForAPackageKnowsNoBuildTree)
{
    // Built for a package: no build tree, so a program anywhere, even in the
    // folder it was built in, looks in the working directory and beside itself.
    Tree tree;
    tree.put("build/docs", QStringLiteral("spravka.pdf"));
    const DocumentPlaces packaged{QStringLiteral("../share/dryfriction/docs"), QString(), QString()};
    const QStringList folders = documentFolders(tree.path("work"), tree.path("build/app"), packaged);
    EXPECT_EQ(folders, (QStringList{tree.path("work"), tree.path("build/share/dryfriction/docs")}));
    EXPECT_TRUE(findDocument(QStringLiteral("spravka.pdf"), folders).isEmpty());
}

// The real service searches from where this test program runs: the working
// directory, the install layout's folder beside it, and (this test being
// built in the build tree) the build's documents.
TEST(DocumentFolders, DesktopServiceSearchesFromTheRunningProgram)
{
    const DocumentPlaces built = builtDocumentPlaces();
    EXPECT_EQ(built.installedRelative, QStringLiteral("../share/dryfriction/docs"));
    EXPECT_EQ(built.buildDocuments, QDir(built.buildTree).filePath(QStringLiteral("docs")));

    const QStringList folders = DesktopDocuments().searchFolders();
    ASSERT_EQ(folders.size(), 3) << folders.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_EQ(folders[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/dryfriction/docs"));
    EXPECT_EQ(folders[2], built.buildDocuments);
}

TEST(DocumentFolders, MenuNamesEveryFolderSearched)
{
    WindowHarness h;
    Tree tree;
    h.documents.folders = {tree.path("work"), tree.path("prefix/share/dryfriction/docs"), tree.path("build/docs")};
    h.child<QAction>("amontonsAction")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Ошибка"));
    EXPECT_EQ(h.messages.shown[0].text, QStringLiteral("Файл «Amontons.pdf» не найден в папках\n%1\n%2\n%3")
                                            .arg(tree.path("work"), tree.path("prefix/share/dryfriction/docs"),
                                                 tree.path("build/docs")));
    EXPECT_TRUE(h.documents.documents.isEmpty());

    // Found in the second folder: opened from there.
    tree.put("prefix/share/dryfriction/docs", QStringLiteral("Amontons.pdf"));
    h.messages.shown.clear();
    h.child<QAction>("amontonsAction")->trigger();
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_EQ(h.documents.documents,
              QStringList{QDir(tree.path("prefix/share/dryfriction/docs")).filePath(QStringLiteral("Amontons.pdf"))});

    // Without a viewer the message names the folder it was found in.
    h.documents.result = false;
    h.child<QAction>("amontonsAction")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, QStringLiteral("Не удалось открыть файл «Amontons.pdf» из папки\n%1\n"
                                                       "Нет программы для его просмотра, или она не смогла его открыть.")
                                            .arg(tree.path("prefix/share/dryfriction/docs")));
}

}  // namespace
}  // namespace dryfriction::test
