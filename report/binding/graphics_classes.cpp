// Pictures, pens, brushes and canvases for report scripts.
#include "report/binding/graphics_classes.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <memory>

#include "report/objects/image_size_limit.h"
#include "report/text/color_names.h"
#include "script_engine/interpreter/created_objects.h"
#include "script_engine/modules/class_binding.h"
#include "script_engine/modules/classes_module.h"

namespace {

ScriptValue none() { return ScriptValue::Null(); }

// The biggest picture a script may make or load (width and height each).
constexpr int kMaxSide = 16384;

struct GraphicsClasses;
const GraphicsClasses& graphicsClasses();

// A pen or a brush: a colour, a style and (pens) a width.
class ToolObject : public TscPersistentObject {
 public:
  explicit ToolObject(const TscHostClass& cls) : FClass(cls) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  bool AssignFrom(TscHostObject& source) override {
    auto* other = dynamic_cast<ToolObject*>(&source);
    if (!other || &other->FClass != &FClass) return false;
    Color = other->Color;
    Style = other->Style;
    Width = other->Width;
    return true;
  }
  TColor Color = static_cast<TColor>(0);
  int Style = 0;  // psSolid / bsSolid
  int Width = 1;

 private:
  const TscHostClass& FClass;
};

TscPublishedProperty toolProperty(const char* name, int ToolObject::*field) {
  return {QString::fromLatin1(name), TscPropertyKind::Integer, QString(),
          [field](TscHostObject& o) { return ScriptValue(static_cast<ToolObject&>(o).*field); },
          [field](TscHostObject& o, const ScriptValue& v) { static_cast<ToolObject&>(o).*field = v.ToInt32(); }};
}

TscPublishedProperty colorProperty() {
  return {QStringLiteral("Color"), TscPropertyKind::Integer, QString(),
          [](TscHostObject& o) { return ScriptValue(static_cast<int>(static_cast<ToolObject&>(o).Color)); },
          [](TscHostObject& o, const ScriptValue& v) {
            static_cast<ToolObject&>(o).Color = static_cast<TColor>(v.ToInt32());
          }};
}

// A picture held as an image.
class GraphicObject : public TscPersistentObject {
 public:
  explicit GraphicObject(const TscHostClass& cls) : FClass(cls) {}
  const TscHostClass* HostClass() const override { return &FClass; }
  void Release() override { Image = QImage(); }
  bool AssignFrom(TscHostObject& source) override {
    auto* other = dynamic_cast<GraphicObject*>(&source);
    if (!other) return false;
    Image = other->Image;
    return true;
  }
  void Resize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        (width > 0 && height > 0 && !rpImageSizeAllowed(width, height)))
      throw ScriptError(QStringLiteral("A picture of %1 x %2 is not possible").arg(width).arg(height));
    QImage resized(width, height, QImage::Format_ARGB32);
    resized.fill(Qt::white);
    if (!Image.isNull()) {
      QPainter painter(&resized);
      painter.drawImage(0, 0, Image);
    }
    Image = resized;
  }
  QImage Image;

 private:
  const TscHostClass& FClass;
};

class CanvasObject : public TscPersistentObject {
 public:
  CanvasObject(const TscHostClass& cls, TscScript& script);
  const TscHostClass* HostClass() const override { return &FClass; }
  bool AssignFrom(TscHostObject&) override { return false; }
  void Release() override { FTarget = ScriptValue(); }

  void SetTarget(const ScriptValue& graphic) { FTarget = graphic; }
  // A painter on the picture drawn on, with the pen and brush set.
  std::unique_ptr<QPainter> Painter(const QString& member);
  QImage& Image(const QString& member) { return target(member).Image; }
  QPoint PenPosition;
  ScriptValue Pen, Brush;

 private:
  GraphicObject& target(const QString& member) {
    TscHostObject* object = scTryObjectOf(FTarget);
    auto* graphic = dynamic_cast<GraphicObject*>(object);
    if (!graphic)
      throw ScriptError(QStringLiteral("%1: the canvas has no picture to draw on").arg(member));
    if (graphic->Image.isNull()) throw ScriptError(QStringLiteral("%1: the picture has no size").arg(member));
    return *graphic;
  }
  const TscHostClass& FClass;
  ScriptValue FTarget;
};

struct GraphicsClasses {
  const TscGeneralClasses& g = scGeneralClasses();
  TscHostClass Pen{QStringLiteral("TPen"), &g.Persistent,
                   {colorProperty(), toolProperty("Style", &ToolObject::Style), toolProperty("Width", &ToolObject::Width)}};
  TscHostClass Brush{QStringLiteral("TBrush"), &g.Persistent, {colorProperty(), toolProperty("Style", &ToolObject::Style)}};
  TscHostClass Canvas{QStringLiteral("TCanvas"), &g.Persistent, canvasProperties()};
  TscHostClass Graphic{QStringLiteral("TGraphic"), &g.Persistent};
  TscHostClass Picture{QStringLiteral("TPicture"), &g.Persistent};
  TscHostClass Metafile{QStringLiteral("TMetafile"), &Graphic};
  TscHostClass MetafileCanvas{QStringLiteral("TMetafileCanvas"), &Canvas};
  TscHostClass Bitmap{QStringLiteral("TBitmap"), &Graphic};
  TscHostClass JPEGImage{QStringLiteral("TJPEGImage"), &Graphic};
  TscHostClass PngImage{QStringLiteral("TPngImage"), &Graphic};

  static std::vector<TscPublishedProperty> canvasProperties() {
    auto tool = [](const char* name, ScriptValue CanvasObject::*field, const char* type) {
      return TscPublishedProperty{QString::fromLatin1(name), TscPropertyKind::Class, QString::fromLatin1(type),
                                  [field](TscHostObject& o) { return static_cast<CanvasObject&>(o).*field; },
                                  {}};
    };
    return {tool("Pen", &CanvasObject::Pen, "TPen"), tool("Brush", &CanvasObject::Brush, "TBrush")};
  }
};
const GraphicsClasses& graphicsClasses() {
  static const GraphicsClasses classes;
  return classes;
}

CanvasObject::CanvasObject(const TscHostClass& cls, TscScript& script) : FClass(cls) {
  auto brush = std::make_unique<ToolObject>(graphicsClasses().Brush);
  brush->Color = static_cast<TColor>(0xFFFFFF);
  Pen = script.CreatedObjects().Adopt(std::make_unique<ToolObject>(graphicsClasses().Pen));
  Brush = script.CreatedObjects().Adopt(std::move(brush));
}

const ToolObject* toolOf(const ScriptValue& v) { return dynamic_cast<ToolObject*>(scTryObjectOf(v)); }

std::unique_ptr<QPainter> CanvasObject::Painter(const QString& member) {
  auto painter = std::make_unique<QPainter>(&Image(member));
  painter->setRenderHint(QPainter::Antialiasing, false);
  if (const ToolObject* pen = toolOf(Pen))
    painter->setPen(pen->Style == 5 ? QPen(Qt::NoPen) : QPen(rpToQColor(pen->Color), pen->Width));
  if (const ToolObject* brush = toolOf(Brush))
    painter->setBrush(brush->Style == 1 ? QBrush(Qt::NoBrush) : QBrush(rpToQColor(brush->Color)));
  return painter;
}

using Graphic = GraphicObject;
using Canvas = CanvasObject;

void registerGraphic(TscClassVariable* c, TscScript& script) {
  scBindConstructor(c, "constructor Create", script, [](const TscHostClass& cls, TscMethodHelper&) {
    return std::make_unique<Graphic>(cls);
  });
  scBindMethod<Graphic>(c, "procedure LoadFromFile(const Filename: string)", [](Graphic& g, TscArgs& a) {
    QImage image;
    if (!image.load(a[0].ToText()) || image.width() > kMaxSide || image.height() > kMaxSide)
      throw ScriptError(QStringLiteral("Cannot read the picture \"%1\"").arg(a[0].ToText()));
    g.Image = image;
    return none();
  });
  scBindMethod<Graphic>(c, "procedure SaveToFile(const Filename: string)", [](Graphic& g, TscArgs& a) {
    if (g.Image.isNull() || !g.Image.save(a[0].ToText()))
      throw ScriptError(QStringLiteral("Cannot create file \"%1\"").arg(a[0].ToText()));
    return none();
  });
  scBindProperty<Graphic>(
      c, "Width", "Integer", [](Graphic& g) { return g.Image.width(); },
      [](Graphic& g, const ScriptValue& v) { g.Resize(v.ToInt32(), std::max(g.Image.height(), 1)); });
  scBindProperty<Graphic>(
      c, "Height", "Integer", [](Graphic& g) { return g.Image.height(); },
      [](Graphic& g, const ScriptValue& v) { g.Resize(std::max(g.Image.width(), 1), v.ToInt32()); });
}

QRect rectOf(const TscArgs& a) {
  return QRect(QPoint(a[0].ToInt32(), a[1].ToInt32()), QPoint(a[2].ToInt32() - 1, a[3].ToInt32() - 1));
}

void registerShapes(TscClassVariable* c) {
  scBindMethod<Canvas>(c, "procedure MoveTo(X, Y: Integer)", [](Canvas& s, TscArgs& a) {
    s.PenPosition = QPoint(a[0].ToInt32(), a[1].ToInt32());
    return none();
  });
  scBindMethod<Canvas>(c, "procedure LineTo(X, Y: Integer)", [](Canvas& s, TscArgs& a) {
    const QPoint to(a[0].ToInt32(), a[1].ToInt32());
    s.Painter(QStringLiteral("LineTo"))->drawLine(s.PenPosition, to);
    s.PenPosition = to;
    return none();
  });
  scBindMethod<Canvas>(c, "procedure Rectangle(X1, Y1, X2, Y2: Integer)", [](Canvas& s, TscArgs& a) {
    s.Painter(QStringLiteral("Rectangle"))->drawRect(rectOf(a));
    return none();
  });
  scBindMethod<Canvas>(c, "procedure Ellipse(X1, Y1, X2, Y2: Integer)", [](Canvas& s, TscArgs& a) {
    s.Painter(QStringLiteral("Ellipse"))->drawEllipse(rectOf(a));
    return none();
  });
  scBindMethod<Canvas>(c, "procedure RoundRect(X1, Y1, X2, Y2, X3, Y3: Integer)", [](Canvas& s, TscArgs& a) {
    s.Painter(QStringLiteral("RoundRect"))->drawRoundedRect(rectOf(a), a[4].ToInt32() / 2.0, a[5].ToInt32() / 2.0);
    return none();
  });
  scBindIndexProperty<Canvas>(c, "Pixels", "Integer, Integer", "TColor", false,
                              [](Canvas& s, TscArgs& a, bool setting) {
                                QImage& image = s.Image(QStringLiteral("Pixels"));
                                const int x = a[0].ToInt32(), y = a[1].ToInt32();
                                if (!image.valid(x, y)) return int(0x1FFFFFFF);  // clNone, as off a picture
                                if (setting) image.setPixelColor(x, y, rpToQColor(static_cast<TColor>(a[2].ToInt32())));
                                const QColor color = image.pixelColor(x, y);
                                return color.red() | color.green() << 8 | color.blue() << 16;
                              });
}

void registerTextAndPictures(TscClassVariable* c) {
  scBindMethod<Canvas>(c, "procedure TextOut(X, Y: Integer; const Text: string)", [](Canvas& s, TscArgs& a) {
    auto painter = s.Painter(QStringLiteral("TextOut"));
    const QFontMetrics metrics(painter->font());
    painter->drawText(QPoint(a[0].ToInt32(), a[1].ToInt32() + metrics.ascent()), a[2].ToText());
    return none();
  });
  scBindMethod<Canvas>(c, "function TextWidth(const Text: string): Integer", [](Canvas&, TscArgs& a) {
    return ScriptValue(QFontMetrics(QFont()).horizontalAdvance(a[0].ToText()));
  });
  scBindMethod<Canvas>(c, "function TextHeight(const Text: string): Integer",
                       [](Canvas&, TscArgs&) { return ScriptValue(QFontMetrics(QFont()).height()); });
  scBindMethod<Canvas>(c, "procedure Draw(X, Y: Integer; Graphic: TGraphic)", [](Canvas& s, TscArgs& a) {
    auto& graphic = scArgumentAs<Graphic>(a[2], graphicsClasses().Graphic, QStringLiteral("Draw"));
    s.Painter(QStringLiteral("Draw"))->drawImage(QPoint(a[0].ToInt32(), a[1].ToInt32()), graphic.Image);
    return none();
  });
  scBindMethod<Canvas>(c, "procedure StretchDraw(X1, Y1, X2, Y2: Integer; Graphic: TGraphic)",
                       [](Canvas& s, TscArgs& a) {
                         auto& graphic = scArgumentAs<Graphic>(a[4], graphicsClasses().Graphic,
                                                               QStringLiteral("StretchDraw"));
                         s.Painter(QStringLiteral("StretchDraw"))->drawImage(rectOf(a), graphic.Image);
                         return none();
                       });
}

template <class Make>
void registerTool(TscScript& script, const TscHostClass& cls, Make make) {
  if (TscClassVariable* c = script.AddClass(&cls, QStringLiteral("TPersistent")))
    scBindConstructor(c, "constructor Create", script, make);
}

}  // namespace

void rpRegisterGraphicsClasses(TscScript& script) {
  const GraphicsClasses& g = graphicsClasses();
  const auto tool = [](const TscHostClass& cls, TscMethodHelper&) { return std::make_unique<ToolObject>(cls); };
  registerTool(script, g.Pen, tool);
  registerTool(script, g.Brush, tool);
  if (TscClassVariable* graphic = script.AddClass(&g.Graphic, QStringLiteral("TPersistent")))
    registerGraphic(graphic, script);
  script.AddClass(&g.Bitmap, QStringLiteral("TGraphic"));
  script.AddClass(&g.Metafile, QStringLiteral("TGraphic"));
  script.AddClass(&g.JPEGImage, QStringLiteral("TGraphic"));
  script.AddClass(&g.PngImage, QStringLiteral("TGraphic"));
  if (TscClassVariable* canvas = script.AddClass(&g.Canvas, QStringLiteral("TPersistent"))) {
    scBindConstructor(canvas, "constructor Create", script, [&script](const TscHostClass& cls, TscMethodHelper&) {
      return std::make_unique<Canvas>(cls, script);
    });
    registerShapes(canvas);
    registerTextAndPictures(canvas);
  }
  if (TscClassVariable* metafileCanvas = script.AddClass(&g.MetafileCanvas, QStringLiteral("TCanvas")))
    scBindConstructor(metafileCanvas, "constructor Create(AMetafile: TMetafile; ReferenceDevice: Integer)", script,
                      [&script](const TscHostClass& cls, TscMethodHelper& call) {
                        auto canvas = std::make_unique<Canvas>(cls, script);
                        scObjectOf(call.Argument(0), &graphicsClasses().Metafile);
                        canvas->SetTarget(call.Argument(0));
                        return canvas;
                      });
  // TPicture stands for the pictures of report objects; scripts reach it through them.
  script.AddClass(&g.Picture, QStringLiteral("TPersistent"));
}
