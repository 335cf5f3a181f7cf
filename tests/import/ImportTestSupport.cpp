// Kestrin import tests: the fixture and the direct calls into the translation library and the
// settings store.
#include "ImportTestSupport.h"

#include <DbBlockTableRecord.h>

namespace import_test {

namespace {

// The seven arrays of one direct translation.
struct GeometryArrays {
    ON_3dPointArray points;
    ON_ClassArray<ON_Line> lines;
    ON_ClassArray<ON_Polyline> polylines;
    ON_ClassArray<ON_Circle> circles;
    ON_ClassArray<ON_Arc> arcs;
    ON_ClassArray<ON_NurbsCurve> nurbsCurves;
    ON_ClassArray<ON_Mesh> meshes;

    bool Translate(const std::string& path, int surfaceType) {
        return Quarnel::FileToGeometry(CString(Wide(path).c_str()), points, lines, polylines,
                                       circles, arcs, nurbsCurves, meshes, surfaceType, 0) != 0;
    }
};

} // namespace

TranslatedCounts TranslateDirectly(const std::string& path, int surfaceType) {
    GeometryArrays arrays;
    EXPECT_TRUE(arrays.Translate(path, surfaceType)) << Narrow(Quarnel::GetError().GetString());
    TranslatedCounts counts;
    counts.points = arrays.points.Count();
    counts.lines = arrays.lines.Count();
    counts.polylines = arrays.polylines.Count();
    counts.circles = arrays.circles.Count();
    counts.arcs = arrays.arcs.Count();
    counts.nurbsCurves = arrays.nurbsCurves.Count();
    counts.meshes = arrays.meshes.Count();
    return counts;
}

std::wstring LibraryFailureText(const std::string& path, int surfaceType) {
    GeometryArrays arrays;
    if (arrays.Translate(path, surfaceType)) {
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
