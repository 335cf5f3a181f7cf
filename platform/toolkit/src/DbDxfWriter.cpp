// Kestrin drawing toolkit.
// DXF R2000 output of a database: header (with the drawing's extents and the handle seed, both
// known before any entity is written), tables (the *Active viewport fitted to the extents), block
// records, the model and paper space blocks, the model-space entities in order, and the root
// dictionary. The fixed records of the file take reserved handles below the database's first
// object handle; block records and entities carry their own.
#include "DbDxfWriter.h"

#include "AtomicFile.h"
#include "DbIdAccess.h"
#include "DrawingView.h"
#include "DxfGroupCodes.h"
#include "DxfTagWriter.h"
#include "OrderedEntityWriter.h"

namespace {

// Handles of the records that are not database objects. All below kFirstObjectHandle.
enum FixedHandle : OdUInt64 {
    kVportTable = 0x1,
    kActiveVport,
    kLtypeTable,
    kLtypeByBlock,
    kLtypeByLayer,
    kLtypeContinuous,
    kLayerTable,
    kLayerZero,
    kStyleTable,
    kStyleStandard,
    kViewTable,
    kUcsTable,
    kAppidTable,
    kAppidAcad,
    kDimstyleTable,
    kDimstyleStandard,
    kBlockRecordTable,
    kModelSpaceBlock,
    kModelSpaceEndBlock,
    kPaperSpaceBlock,
    kPaperSpaceEndBlock,
    kRootDictionary,
    kGroupDictionary,
    kLastFixedHandle = kGroupDictionary,
};
static_assert(kLastFixedHandle < OdDbDatabase::kFirstObjectHandle,
              "fixed records must not share handles with database objects");

constexpr OdDbHandle kNoOwner; // owner handle 0: the record belongs to no other record

// The group codes that the entities write too, then those of the fixed records alone.
using odtk::dxf::kFlagsCode;
using odtk::dxf::kHandleCode;
using odtk::dxf::kLayerCode;
using odtk::dxf::kOwnerCode;
using odtk::dxf::kPointCode;
using odtk::dxf::kRecordTypeCode;
constexpr int kNameCode = 2;
constexpr int kSymbolTableCountCode = 70;
constexpr int kVariableCode = 9;
constexpr int kInt16VariableCode = 70; // the value of a 16-bit integer header variable
constexpr int kDimstyleHandleCode = 105;
constexpr int kDictionaryKeyCode = 3;
constexpr int kDictionaryValueCode = 350;
constexpr int kHardOwnerFlagCode = 281;

class DxfDocumentWriter {
public:
    DxfDocumentWriter(const OdDbDatabase& database, DxfTagWriter* pOut)
        : m_database(database), m_out(*pOut),
          m_pModelSpace(static_cast<const OdDbBlockTableRecord*>(
              OdDbIdAccess::object(database.getModelSpaceId()))),
          m_pPaperSpace(static_cast<const OdDbBlockTableRecord*>(
              OdDbIdAccess::object(database.getPaperSpaceId()))) {}

    unsigned int write() {
        const OdGeExtents3d extents = odtk::DrawingExtents(*m_pModelSpace);
        writeHeader(extents);
        writeEmptySection("CLASSES");
        writeTables(odtk::FitActiveView(extents));
        writeBlocks();
        const unsigned int skipped = writeEntities();
        writeObjects();
        m_out.wrString(kRecordTypeCode, "EOF");
        return skipped;
    }

private:
    void beginSection(const char* name) {
        m_out.wrString(kRecordTypeCode, "SECTION");
        m_out.wrString(kNameCode, name);
    }
    void endSection() { m_out.wrString(kRecordTypeCode, "ENDSEC"); }
    void writeEmptySection(const char* name) {
        beginSection(name);
        endSection();
    }

    // Empty extents are written as they are: minimum 1e20, maximum -1e20, the convention.
    void writeHeader(const OdGeExtents3d& extents) {
        beginSection("HEADER");
        m_out.wrString(kVariableCode, "$ACADVER");
        m_out.wrString(1, "AC1015");
        m_out.wrString(kVariableCode, "$DWGCODEPAGE");
        m_out.wrString(3, "ANSI_1252");
        m_out.wrString(kVariableCode, "$EXTMIN");
        m_out.wrPoint3d(kPointCode, extents.minPoint());
        m_out.wrString(kVariableCode, "$EXTMAX");
        m_out.wrPoint3d(kPointCode, extents.maxPoint());
        m_out.wrString(kVariableCode, "$INSUNITS");
        m_out.wrInt16(kInt16VariableCode, 4); // millimetres
        m_out.wrString(kVariableCode, "$MEASUREMENT");
        m_out.wrInt16(kInt16VariableCode, 1); // metric
        m_out.wrString(kVariableCode, "$HANDSEED");
        m_out.wrHandle(kHandleCode, m_database.handseed());
        endSection();
    }

    void beginTable(const char* name, OdDbHandle handle, OdInt16 count) {
        m_out.wrString(kRecordTypeCode, "TABLE");
        m_out.wrString(kNameCode, name);
        m_out.wrHandle(kHandleCode, handle);
        m_out.wrHandle(kOwnerCode, kNoOwner);
        m_out.wrSubclassMarker("AcDbSymbolTable");
        m_out.wrInt16(kSymbolTableCountCode, count);
    }
    void endTable() { m_out.wrString(kRecordTypeCode, "ENDTAB"); }

    void beginTableRecord(const char* type, OdDbHandle handle, OdDbHandle table,
                          const char* subclass, const char* name, int handleCode = kHandleCode) {
        m_out.wrRecordStart(type, handle, table, handleCode);
        m_out.wrSubclassMarker("AcDbSymbolTableRecord");
        m_out.wrSubclassMarker(subclass);
        m_out.wrString(kNameCode, name);
        m_out.wrInt16(kFlagsCode, 0);
    }

    void writeTables(const odtk::ActiveView& view) {
        beginSection("TABLES");

        beginTable("VPORT", kVportTable, 1);
        beginTableRecord("VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord", "*Active");
        writePoint2d(kPointCode, 0.0, 0.0);           // lower left corner
        writePoint2d(11, 1.0, 1.0);                   // upper right corner
        writePoint2d(12, view.centerX, view.centerY); // view centre
        m_out.wrVector3d(16, OdGeVector3d::kZAxis);   // view direction: top view
        m_out.wrPoint3d(17, OdGePoint3d::kOrigin);    // view target
        m_out.wrDouble(40, view.height);
        m_out.wrDouble(41, odtk::kViewAspectRatio);
        endTable();

        beginTable("LTYPE", kLtypeTable, 3);
        writeLinetype(kLtypeByBlock, "ByBlock", "");
        writeLinetype(kLtypeByLayer, "ByLayer", "");
        writeLinetype(kLtypeContinuous, "Continuous", "Solid line");
        endTable();

        beginTable("LAYER", kLayerTable, 1);
        beginTableRecord("LAYER", kLayerZero, kLayerTable, "AcDbLayerTableRecord", "0");
        m_out.wrInt16(62, 7); // white
        m_out.wrString(6, "Continuous");
        endTable();

        beginTable("STYLE", kStyleTable, 1);
        beginTableRecord("STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord",
                         "Standard");
        m_out.wrDouble(40, 0.0); // no fixed height
        m_out.wrDouble(41, 1.0); // width factor
        m_out.wrString(3, "txt");
        endTable();

        beginTable("VIEW", kViewTable, 0);
        endTable();
        beginTable("UCS", kUcsTable, 0);
        endTable();

        beginTable("APPID", kAppidTable, 1);
        beginTableRecord("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
        endTable();

        beginTable("DIMSTYLE", kDimstyleTable, 1);
        m_out.wrSubclassMarker("AcDbDimStyleTable");
        beginTableRecord("DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord",
                         "Standard", kDimstyleHandleCode);
        endTable();

        beginTable("BLOCK_RECORD", kBlockRecordTable, 2);
        for (const OdDbBlockTableRecord* pRecord : {m_pModelSpace, m_pPaperSpace}) {
            m_out.wrRecordStart("BLOCK_RECORD", pRecord->getDbHandle(), kBlockRecordTable);
            m_out.wrSubclassMarker("AcDbSymbolTableRecord");
            m_out.wrSubclassMarker("AcDbBlockTableRecord");
            m_out.wrString(kNameCode, odStringToUtf8(pRecord->getName()).c_str());
        }
        endTable();

        endSection();
    }

    // The x and y of a point that has no z.
    void writePoint2d(int xCode, double x, double y) {
        m_out.wrDouble(xCode, x);
        m_out.wrDouble(xCode + odtk::dxf::kCoordinateStep, y);
    }

    void writeLinetype(OdDbHandle handle, const char* name, const char* description) {
        beginTableRecord("LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
        m_out.wrString(3, description);
        m_out.wrInt16(72, 65); // alignment 'A'
        m_out.wrInt16(73, 0);  // no dashes
        m_out.wrDouble(40, 0.0);
    }

    void writeBlock(const OdDbBlockTableRecord* pRecord, OdDbHandle begin, OdDbHandle end,
                    bool bPaperSpace) {
        const std::string name = odStringToUtf8(pRecord->getName());
        m_out.wrRecordStart("BLOCK", begin, pRecord->getDbHandle());
        m_out.wrSubclassMarker("AcDbEntity");
        if (bPaperSpace) {
            m_out.wrInt16(67, 1);
        }
        m_out.wrString(kLayerCode, "0");
        m_out.wrSubclassMarker("AcDbBlockBegin");
        m_out.wrString(kNameCode, name.c_str());
        m_out.wrInt16(kFlagsCode, 0);
        m_out.wrPoint3d(kPointCode, OdGePoint3d::kOrigin);
        m_out.wrString(3, name.c_str());
        m_out.wrString(1, "");
        m_out.wrRecordStart("ENDBLK", end, pRecord->getDbHandle());
        m_out.wrSubclassMarker("AcDbEntity");
        if (bPaperSpace) {
            m_out.wrInt16(67, 1);
        }
        m_out.wrString(kLayerCode, "0");
        m_out.wrSubclassMarker("AcDbBlockEnd");
    }

    void writeBlocks() {
        beginSection("BLOCKS");
        writeBlock(m_pModelSpace, kModelSpaceBlock, kModelSpaceEndBlock, false);
        writeBlock(m_pPaperSpace, kPaperSpaceBlock, kPaperSpaceEndBlock, true);
        endSection();
    }

    unsigned int writeEntities() {
        beginSection("ENTITIES");
        const unsigned int skipped = WriteEntitiesInOrder(*m_pModelSpace, &m_out);
        endSection();
        return skipped;
    }

    void writeObjects() {
        beginSection("OBJECTS");
        m_out.wrRecordStart("DICTIONARY", kRootDictionary, kNoOwner);
        m_out.wrSubclassMarker("AcDbDictionary");
        m_out.wrInt16(kHardOwnerFlagCode, 1);
        m_out.wrString(kDictionaryKeyCode, "ACAD_GROUP");
        m_out.wrHandle(kDictionaryValueCode, kGroupDictionary);
        m_out.wrRecordStart("DICTIONARY", kGroupDictionary, kRootDictionary);
        m_out.wrSubclassMarker("AcDbDictionary");
        m_out.wrInt16(kHardOwnerFlagCode, 1);
        endSection();
    }

    const OdDbDatabase& m_database;
    DxfTagWriter& m_out;
    const OdDbBlockTableRecord* m_pModelSpace;
    const OdDbBlockTableRecord* m_pPaperSpace;
};

} // namespace

OdDbDxfSaveStatus odDbSaveAsDxf(const OdDbDatabase& database, const std::string& path) {
    OdDbDxfSaveStatus status;
    AtomicFile file;
    status.result = file.open(path);
    if (status.result == eOk) {
        DxfTagWriter writer(file.fd());
        status.skippedEntities = DxfDocumentWriter(database, &writer).write();
        const int error = writer.flush();
        status.result = error != 0 ? file.fail(error, "cannot write") : file.commit();
    }
    if (status.result != eOk) {
        status.reason = file.reason();
        status.skippedEntities = 0;
    }
    return status;
}
