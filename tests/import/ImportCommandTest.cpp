// Kestrin import tests: one run of the "Kestrin" command from the file dialog to the command
// line message, against a real drawing, the real translation library and the real converters.
#include "ImportTestSupport.h"

#include <Db3dPolyline.h>
#include <DbArc.h>
#include <DbCircle.h>
#include <DbFace.h>
#include <DbLine.h>
#include <DbPoint.h>
#include <DbPolyFaceMesh.h>
#include <DbSpline.h>

#include <fstream>

namespace import_test {
namespace {

const std::wstring kCancelled = L"Failure [Command cancelled]\n";

// Geometry of all seven kinds: free points and curves beside a box.
const std::string kSevenKindsFile = "seven-kinds.step";
// A cube of triangulated faces only, which comes back as a mesh in both surface modes.
const std::string kTessellatedFile = "tessellated-cube.step";

// A worker that records that it was started and then fails, to tell whether the library ran.
class SpyWorker {
public:
    explicit SpyWorker(const std::filesystem::path& folder)
        : m_program(folder / "spy-worker"), m_record(folder / "worker-started") {
        std::ofstream(m_program) << "#!/bin/sh\ntouch '" << m_record.string() << "'\nexit 3\n";
        std::filesystem::permissions(m_program, std::filesystem::perms::owner_all);
        ::setenv("QUARNEL_WORKER", m_program.c_str(), 1);
    }
    ~SpyWorker() { ::unsetenv("QUARNEL_WORKER"); }

    bool Started() const { return std::filesystem::exists(m_record); }

private:
    std::filesystem::path m_program;
    std::filesystem::path m_record;
};

TEST_F(ImportTest, WithoutDrawingOnlyAMessageBoxIsShown) {
    module_test::RunCommand(L"Kestrin", nullptr);
    const auto boxes = m_user.Shown(ShownKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"This command needs an active drawing");
    EXPECT_EQ(boxes[0].caption, L"Kestrin for Bricscad 10 version 1.0");
    EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(m_user.Ui().GetTranscript().Entries().size(), 1u);
}

TEST_F(ImportTest, MessageBoxCaptionFollowsTheHostRelease) {
    for (const auto& [version, caption] :
         {std::pair{L"8.1", L"Kestrin for Bricscad 8 version 1.0"},
          std::pair{L"12", L"Kestrin for Bricscad ???? version 1.0"}}) {
        KestrinHost::Host().Variables().Set(L"_VERNUM", std::wstring(version));
        module_test::RunCommand(L"Kestrin", nullptr);
        const auto boxes = m_user.Shown(ShownKind::MessageBox);
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().caption, caption);
    }
}

TEST_F(ImportTest, ContextWithoutDrawingIsLeftToTheHost) {
    OdEdCommandContextPtr pPlain = odEdCreateCommandContext(m_drawing.commandLine.UserIO());
    EXPECT_THROW(module_test::RunCommand(L"Kestrin", pPlain), OdError_NotThatKindOfClass);
    EXPECT_TRUE(m_user.Ui().GetTranscript().Entries().empty());
}

TEST_F(ImportTest, FileDialogAsksForStepFiles) {
    RunKestrin({ScriptAction::CancelFile()});
    const auto fileDialogs = m_user.Shown(ShownKind::FileDialog);
    ASSERT_EQ(fileDialogs.size(), 1u);
    const KestrinUi::FileDialogRequest& request = fileDialogs[0].fileRequest;
    EXPECT_TRUE(request.bOpenFileDialog);
    EXPECT_EQ(request.defaultExtension, L"stp");
    EXPECT_TRUE(request.initialFileName.empty());
    EXPECT_EQ(request.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].description, L"STEP Files (*.stp, *.step)");
    EXPECT_EQ(request.filters[0].patterns, (std::vector<std::wstring>{L"*.stp", L"*.step"}));
    EXPECT_EQ(fileDialogs[0].owner, nullptr);
}

TEST_F(ImportTest, CancelInTheFileDialogCallsNothingElse) {
    SpyWorker worker(m_folder.Path());
    RunKestrin({ScriptAction::CancelFile()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{kCancelled});
    EXPECT_TRUE(OptionsDialogs().empty());
    EXPECT_FALSE(worker.Started());
}

TEST_F(ImportTest, CancelInTheOptionsDialogDoesNotCallTheLibrary) {
    SpyWorker worker(m_folder.Path());
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Cancel()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{kCancelled});
    EXPECT_EQ(OptionsDialogs().size(), 1u);
    EXPECT_FALSE(worker.Started());
    EXPECT_TRUE(Entities().empty());
}

// The other half of the two tests above: the spy does see the library run.
TEST_F(ImportTest, OkInTheOptionsDialogCallsTheLibrary) {
    SpyWorker worker(m_folder.Path());
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Ok()});
    EXPECT_TRUE(worker.Started());
    ASSERT_EQ(CommandLineOutput().size(), 1u);
    EXPECT_EQ(CommandLineOutput()[0].rfind(L"Failure [", 0), 0u);
}

TEST_F(ImportTest, TypedNameThatDoesNotExistReportsTheLibraryText) {
    const std::string missing = (m_folder.Path() / "no such part.stp").string();
    ImportFile(missing, {ScriptAction::Ok()});
    const std::wstring text = LibraryFailureText(missing, 0);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{L"Failure [" + text + L"]\n"});
    EXPECT_TRUE(Entities().empty());
}

TEST_F(ImportTest, TypedNameWithoutExtensionGetsStp) {
    const std::filesystem::path typed = m_folder.Path() / "bracket";
    std::filesystem::copy_file(FixtureFile(kTessellatedFile), typed.string() + ".stp");
    ImportFile(typed.string(), {ScriptAction::Ok()});
    ASSERT_EQ(CommandLineOutput().size(), 1u);
    EXPECT_EQ(CommandLineOutput()[0],
              SuccessMessage(TranslateDirectly(FixtureFile(kTessellatedFile), 0).Total()));
}

// A product without any shape: a valid file that the library reads to seven empty arrays.
TEST_F(ImportTest, FileWithoutGeometryImportsZeroObjects) {
    const std::filesystem::path file = m_folder.Path() / "no-geometry.stp";
    std::ofstream(file)
        << "ISO-10303-21;\nHEADER;\n"
           "FILE_DESCRIPTION((''),'2;1');\n"
           "FILE_NAME('no-geometry.stp','2024-01-01T00:00:00',(''),(''),'','','');\n"
           "FILE_SCHEMA(('AUTOMOTIVE_DESIGN { 1 0 10303 214 1 1 1 1 }'));\n"
           "ENDSEC;\nDATA;\n"
           "#1=APPLICATION_CONTEXT('automotive design');\n"
           "#2=PRODUCT_CONTEXT('',#1,'mechanical');\n"
           "#3=PRODUCT('part','part','',(#2));\n"
           "ENDSEC;\nEND-ISO-10303-21;\n";
    ImportFile(file.string(), {ScriptAction::Ok()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{SuccessMessage(0)});
    EXPECT_TRUE(Entities().empty());
}

// The file gives each kind once or more (see quarnel-make-fixtures), written into it in an order
// of its own; model space holds them kind by kind in the set's order all the same.
TEST_F(ImportTest, EntitiesFollowTheFixedOrder) {
    const TranslatedCounts counts = TranslateDirectly(FixtureFile(kSevenKindsFile), 0);
    for (int count : {counts.points, counts.lines, counts.polylines, counts.circles, counts.arcs,
                      counts.nurbsCurves, counts.meshes}) {
        ASSERT_GT(count, 0);
    }
    ImportFile(FixtureFile(kSevenKindsFile), {ScriptAction::Ok()}); // mesh, polyface mesh
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{SuccessMessage(counts.Total())});

    const std::vector<OdDbEntityPtr> entities = Entities();
    ASSERT_EQ(static_cast<int>(entities.size()), counts.Total());
    const std::vector<std::pair<int, OdRxClass*>> runs = {
        {counts.points, OdDbPoint::desc()},
        {counts.lines, OdDbLine::desc()},
        {counts.polylines, OdDb3dPolyline::desc()},
        {counts.circles, OdDbCircle::desc()},
        {counts.arcs, OdDbArc::desc()},
        {counts.nurbsCurves, OdDbSpline::desc()},
        {counts.meshes, OdDbPolyFaceMesh::desc()}};
    std::size_t index = 0;
    for (const auto& [count, pClass] : runs) {
        for (int i = 0; i < count; ++i, ++index) {
            EXPECT_TRUE(entities[index]->isA() == pClass)
                << "entity " << index << " is a " << Narrow(entities[index]->isA()->name().c_str())
                << ", not a " << Narrow(pClass->name().c_str());
        }
    }
}

TEST_F(ImportTest, FailedConversionsAreCountedAllTheSame) {
    const TranslatedCounts counts = TranslateDirectly(FixtureFile(kSevenKindsFile), 1);
    ASSERT_GT(counts.Total(), 0);
    OdToolkitTestHooks::failAppendOnCall(0);
    ImportFile(FixtureFile(kSevenKindsFile),
               {ScriptAction::SetCheck(kEdgeCurvesRadio, true), ScriptAction::Ok()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{SuccessMessage(counts.Total())});
    EXPECT_TRUE(Entities().empty());
}

TEST_F(ImportTest, NoMeshTypeConvertsNoMeshesButCountsThem) {
    StoreOptions({0, 9, 1}); // a mesh type the combo box cannot show
    const TranslatedCounts counts = TranslateDirectly(FixtureFile(kTessellatedFile), 0);
    ASSERT_GT(counts.meshes, 0);
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Ok()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{SuccessMessage(counts.Total())});
    EXPECT_EQ(static_cast<int>(Entities().size()), counts.Total() - counts.meshes);
    EXPECT_EQ(ReadStoredOptions().meshType, -1);
}

TEST_F(ImportTest, MeshTypeDecidesMeshesInEdgeCurveMode) {
    const TranslatedCounts counts = TranslateDirectly(FixtureFile(kTessellatedFile), 1);
    ASSERT_GT(counts.meshes, 0);
    ImportFile(FixtureFile(kTessellatedFile),
               {ScriptAction::SelectIndex(kMeshTypeCombo, 1),
                ScriptAction::SetCheck(kEdgeCurvesRadio, true), ScriptAction::Ok()});
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{SuccessMessage(counts.Total())});
    int faces = 0;
    for (const OdDbEntityPtr& pEntity : Entities()) {
        faces += pEntity->isKindOf(OdDbFace::desc()) ? 1 : 0;
    }
    EXPECT_GT(faces, counts.meshes); // a mesh of several faces, as 3D faces
}

TEST_F(ImportTest, NoSurfaceTypeReachesTheLibraryAndEndsInItsText) {
    StoreOptions({7, 0, 1});
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Ok()});
    const std::wstring text = LibraryFailureText(FixtureFile(kTessellatedFile), -1);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(CommandLineOutput(), std::vector<std::wstring>{L"Failure [" + text + L"]\n"});
    EXPECT_TRUE(Entities().empty());
}

TEST_F(ImportTest, EveryRunAsksAgain) {
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Cancel()});
    RunKestrin({ScriptAction::CancelFile()});
    ImportFile(FixtureFile(kTessellatedFile), {ScriptAction::Ok()});
    EXPECT_EQ(m_user.Shown(ShownKind::FileDialog).size(), 3u);
    EXPECT_EQ(OptionsDialogs().size(), 2u);
    ASSERT_EQ(CommandLineOutput().size(), 3u);
    EXPECT_EQ(CommandLineOutput()[2],
              SuccessMessage(TranslateDirectly(FixtureFile(kTessellatedFile), 0).Total()));
}

} // namespace
} // namespace import_test
