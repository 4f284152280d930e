// The difference record of every report class, written through the class's resolved record,
// against the same record read the plain way: each entry's property path looked up by name on
// both objects and compared as QVariant.
#include <gtest/gtest.h>

#include <QStringList>

#include <cstring>
#include <functional>
#include <memory>

#include "report/component/report.h"
#include "report/component/report_classes.h"
#include "report/objects/class_info.h"
#include "report/objects/class_registry.h"
#include "report/objects/component.h"
#include "report/objects/float_text.h"
#include "report/objects/property_access.h"
#include "report/objects/property_value.h"
#include "report/xml/xml_text.h"

namespace {

QString valueText(TrpPropertyKind kind, const QVariant& value) {
  switch (kind) {
    case TrpPropertyKind::Float:
      return rpFloatToStr(rpVariantToFloat(value));
    case TrpPropertyKind::Boolean:
      return rpFromVariant<bool>(value) ? QStringLiteral("1") : QStringLiteral("0");
    case TrpPropertyKind::String:
      return rpStrToXML(value.toString());
    case TrpPropertyKind::Strings:
      return rpStrToXML(value.toStringList().join(QLatin1String("\r\n")));
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
    case TrpPropertyKind::Enumeration:
    case TrpPropertyKind::Set:
      return QString::number(rpVariantToInt(value));
    default:
      return {};
  }
}

// The first `count` entries of `object`'s record against `other`, each path found by name.
QString recordReadByName(const TrpComponent& object, const TrpComponent& other, size_t count) {
  QString out;
  const std::span<const TrpDiffEntry> entries = object.ClassInfo().DiffEntries();
  for (size_t i = 0; i < std::min(count, entries.size()); ++i) {
    const TrpDiffEntry& entry = entries[i];
    const QString path = QString::fromLatin1(entry.Path);
    const TrpPropertyRef mine = rpFindPropertyPath(object, path, false);
    if (!mine) continue;
    const TrpPropertyRef theirs = rpFindPropertyPath(other, path, false);
    const bool differ =
        !theirs || !rpSameValue(mine.Property->Kind, mine.Value(), theirs.Value(), rpUnitTolerance);
    if (entry.Write ? !entry.Write(object, other, differ) : !differ) continue;
    out += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(entry.Attribute), valueText(mine.Property->Kind, mine.Value()));
  }
  return out;
}

// Gives the property at `path` of `object` a value other than the one it has, where it can.
void changeProperty(TrpComponent& object, const char* path) {
  const TrpPropertyRef ref = rpFindPropertyPath(object, QString::fromLatin1(path), false);
  if (!ref || ref.Property->IsReadOnly()) return;
  const QVariant value = ref.Value();
  switch (ref.Property->Kind) {
    case TrpPropertyKind::Float:
      ref.Property->Set(*ref.Object, rpToVariant(rpVariantToFloat(value) + 1.25L));
      return;
    case TrpPropertyKind::Boolean:
      ref.Property->Set(*ref.Object, QVariant(!rpFromVariant<bool>(value)));
      return;
    case TrpPropertyKind::String:
      ref.Property->Set(*ref.Object, QVariant(value.toString() + QStringLiteral("<x&\"")));
      return;
    case TrpPropertyKind::Strings:
      ref.Property->Set(*ref.Object, QVariant(value.toStringList() << QStringLiteral("line")));
      return;
    case TrpPropertyKind::Enumeration: {
      const auto values = ref.Property->Enum->Values;
      if (values.size() > 1)
        ref.Property->Set(*ref.Object, QVariant(rpVariantToInt(value) == values[1].Value ? values[0].Value
                                                                                        : values[1].Value));
      return;
    }
    case TrpPropertyKind::Set:
      ref.Property->Set(*ref.Object, QVariant(rpVariantToInt(value) ^ 1));
      return;
    case TrpPropertyKind::Integer:
    case TrpPropertyKind::Color:
      ref.Property->Set(*ref.Object, QVariant(rpVariantToInt(value) + 1));
      return;
    default:
      return;
  }
}

struct Change {
  const char* Name;
  // What happens to the copy before it is compared with its source.
  std::function<void(const TrpClassInfo&, TrpComponent& copy)> Apply;
  size_t Count = size_t(-1);  // entries compared
};

}  // namespace

TEST(DiffRecord, EveryClassWritesItsRecordAsReadByName) {
  rpRegisterReportClasses();
  const Change changes[] = {
      {"nothing", [](const TrpClassInfo&, TrpComponent&) {}},
      {"every entry",
       [](const TrpClassInfo& cls, TrpComponent& copy) {
         for (const TrpDiffEntry& entry : cls.DiffEntries()) changeProperty(copy, entry.Path);
       }},
      {"every entry, component level only",
       [](const TrpClassInfo& cls, TrpComponent& copy) {
         for (const TrpDiffEntry& entry : cls.DiffEntries()) changeProperty(copy, entry.Path);
       },
       TrpComponent::StaticClassInfo().DiffEntries().size()},
      {"own font",
       [](const TrpClassInfo&, TrpComponent& copy) {
         changeProperty(copy, "ParentFont");
         changeProperty(copy, "Font.Size");
         changeProperty(copy, "Font.Name");
       }},
      {"another fill kind",
       [](const TrpClassInfo&, TrpComponent& copy) {
         changeProperty(copy, "FillType");
         changeProperty(copy, "Fill.StartColor");
       }},
      {"float within the tolerance",
       [](const TrpClassInfo&, TrpComponent& copy) { copy.SetLeft(copy.Left() + 0.00005L); }},
  };
  TrpReport report;
  int classes = 0;
  for (const TrpClassInfo* cls : rpRegisteredClasses()) {
    if (!cls->Factory() || cls->DiffEntries().empty()) continue;
    ++classes;
    for (const Change& change : changes) {
      for (int order = 0; order < 2; ++order) {  // copy against source and back
        std::unique_ptr<TrpComponent> source(cls->Factory()(&report));
        std::unique_ptr<TrpComponent> copy(cls->Factory()(&report));
        change.Apply(*cls, *copy);
        const TrpComponent& a = order == 0 ? *copy : *source;
        const TrpComponent& b = order == 0 ? *source : *copy;
        const size_t count = std::min(change.Count, cls->DiffEntries().size());
        EXPECT_EQ(a.InternalDiff(b, count).toStdString(), recordReadByName(a, b, count).toStdString())
            << cls->ClassName() << ", " << change.Name << (order ? ", reversed" : "");
      }
    }
  }
  EXPECT_GT(classes, 20);
}

// Records of the same object against the same template, one after the other, as the engine
// writes an object for every row: a sub-object found equal to the template's is passed over while
// neither side changed, so each single change of a sub-object attribute, on either side, must
// show in the very next record (as highlights and styles change them, by Assign too).
TEST(DiffRecord, RecordsOneAfterTheOtherFollowEveryChangeOfASubObject) {
  rpRegisterReportClasses();
  TrpReport report;
  int changes = 0;
  for (const TrpClassInfo* cls : rpRegisteredClasses()) {
    if (!cls->Factory() || cls->DiffEntries().empty()) continue;
    std::unique_ptr<TrpComponent> source(cls->Factory()(&report));
    std::unique_ptr<TrpComponent> copy(cls->Factory()(&report));
    changeProperty(*copy, "ParentFont");  // font attributes are recorded for an own font only
    const auto expectRecordAsReadByName = [&](const std::string& after) {
      const size_t count = cls->DiffEntries().size();
      EXPECT_EQ(copy->InternalDiff(*source, count).toStdString(), recordReadByName(*copy, *source, count).toStdString())
          << cls->ClassName() << " after " << after;
    };
    expectRecordAsReadByName("nothing");
    for (TrpComponent* side : {copy.get(), source.get()}) {
      for (const TrpDiffEntry& entry : cls->DiffEntries()) {
        if (!std::strchr(entry.Path, '.')) continue;
        expectRecordAsReadByName("the same again");
        changeProperty(*side, entry.Path);
        expectRecordAsReadByName(std::string("a change of ") + entry.Path + (side == copy.get() ? "" : " of the template"));
        ++changes;
      }
    }
    // Whole sub-objects taken over from an object of another look.
    std::unique_ptr<TrpComponent> look(cls->Factory()(&report));
    for (const TrpDiffEntry& entry : cls->DiffEntries()) changeProperty(*look, entry.Path);
    for (const TrpDiffEntry& entry : cls->DiffEntries()) {
      if (!std::strchr(entry.Path, '.')) continue;
      TrpPersistent* mine = rpFindPropertyPath(*copy, QLatin1String(entry.Path), false).Object;
      TrpPersistent* theirs = rpFindPropertyPath(*look, QLatin1String(entry.Path), false).Object;
      if (!mine || !theirs) continue;
      mine->Assign(*theirs);
      expectRecordAsReadByName(std::string("Assign of the sub-object of ") + entry.Path);
    }
  }
  EXPECT_GT(changes, 200);
}
