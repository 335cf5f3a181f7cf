// Kestrin import tests: the fixture and the direct calls into the translation library and the
// settings store.
#include "ImportTestSupport.h"

#include <DbBlockTableRecord.h>
#include <KestrinImport/TranslatedGeometrySet.h>

namespace import_test {

namespace {

bool Translate(const std::string& path, int surfaceType, TranslatedGeometrySet* geometry) {
    return Quarnel::FileToGeometry(CString(Wide(path).c_str()), geometry->points, geometry->lines,
                                   geometry->polylines, geometry->circles, geometry->arcs,
                                   geometry->nurbsCurves, geometry->meshes, surfaceType, 0) != 0;
}

} // namespace

TranslatedCounts TranslateDirectly(const std::string& path, int surfaceType) {
    TranslatedGeometrySet geometry;
    EXPECT_TRUE(Translate(path, surfaceType, &geometry)) << Narrow(Quarnel::GetError().GetString());
    TranslatedCounts counts;
    counts.points = geometry.points.Count();
    counts.lines = geometry.lines.Count();
    counts.polylines = geometry.polylines.Count();
    counts.circles = geometry.circles.Count();
    counts.arcs = geometry.arcs.Count();
    counts.nurbsCurves = geometry.nurbsCurves.Count();
    counts.meshes = geometry.meshes.Count();
    return counts;
}

std::wstring LibraryFailureText(const std::string& path, int surfaceType) {
    TranslatedGeometrySet geometry;
    if (Translate(path, surfaceType, &geometry)) {
        return std::wstring();
    }
    return Quarnel::GetError().GetString();
}

void StoreOptions(const StoredOptions& options) {
    LKVRegistry registry;
    registry.SetKey(kSettingsKey, LKV_REGISTRY_CURRENT_USER);
    registry.WriteInt(L"Surface Type", options.surfaceType);
    registry.WriteInt(L"Mesh Type", options.meshType);
    registry.WriteBool(L"Warning", options.warning);
}

StoredOptions ReadStoredOptions() {
    LKVRegistry registry;
    registry.SetKey(kSettingsKey, LKV_REGISTRY_CURRENT_USER);
    return StoredOptions{registry.ReadInt(L"Surface Type", kNotStored),
                         registry.ReadInt(L"Mesh Type", kNotStored),
                         registry.ReadBool(L"Warning", kNotStored)};
}

PrivateSettingsStore::PrivateSettingsStore(const std::filesystem::path& folder)
    : m_path(folder / "settings") {
    ::setenv("KESTRIN_REGISTRY_FILE", m_path.c_str(), 1);
}

ImportTest::ImportTest() {
    KestrinHost::Host().Reset();
}

ImportTest::~ImportTest() = default;

void ImportTest::RunKestrin(const std::vector<ScriptAction>& answers) {
    m_user.Ui().Push(answers);
    module_test::RunCommand(L"Kestrin", m_drawing.pContext);
}

void ImportTest::ImportFile(const std::string& path, std::vector<ScriptAction> dialogAnswers) {
    dialogAnswers.insert(dialogAnswers.begin(), ScriptAction::File(Wide(path)));
    RunKestrin(dialogAnswers);
}

std::vector<OdDbEntityPtr> ImportTest::Entities() const {
    OdDbBlockTableRecordPtr pModelSpace =
        m_drawing.pDatabase->getModelSpaceId().safeOpenObject(OdDb::kForRead);
    std::vector<OdDbEntityPtr> entities;
    for (unsigned int i = 0; i < pModelSpace->numEntities(); ++i) {
        entities.emplace_back(pModelSpace->entityAt(i));
    }
    return entities;
}

const KestrinUi::ControlState& Control(const std::vector<KestrinUi::ControlState>& controls,
                                       int id) {
    const KestrinUi::ControlState* pControl = KestrinHost::Transcript::FindControl(controls, id);
    if (!pControl) {
        ADD_FAILURE() << "no control " << id;
        static const KestrinUi::ControlState s_none{};
        return s_none;
    }
    return *pControl;
}

} // namespace import_test
