#pragma once
// TrpPictureView: a picture on a report — from the definition, a file named by FileLink, or a
// data field — stretched into its box (keeping its aspect ratio if asked) or drawn at its own
// size, optionally centred and with a transparent colour.
#include <QImage>

#include "report/views/picture.h"
#include "report/views/view.h"

class QIODevice;

class TrpPictureView : public TrpView {
 public:
  explicit TrpPictureView(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpPictureView(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;

  // --- the picture -----------------------------------------------------------------------------
  const TrpPicture& Picture() const { return FPicture; }
  void SetPicture(const TrpPicture& value);
  // The picture as an image (the published property); setting one makes a bitmap picture.
  QImage PictureImage() const { return FPicture.Image(); }
  void SetPictureImage(const QImage& value);
  // Detects the format and loads it (see TrpPicture::LoadFromStream): 0, or rpInvalidArgument
  // with the picture cleared.
  int LoadPictureFromStream(QIODevice& stream, bool reset);
  // Loads the file at `path`; a missing or unreadable file clears the picture. False then.
  bool LoadPictureFromFile(const QString& path);
  // The picture in its own file format (empty for no picture): what the picture cache keeps.
  QByteArray PictureData() const { return FPicture.Data(); }
  void ClearPicture();

  // Set by every change of the picture; cleared when the prepared-pages store takes it.
  bool PictureChanged() const { return FPictureChanged; }
  void SetPictureChanged(bool value) { FPictureChanged = value; }
  // Whether the picture is written with the object (true unless the store keeps it).
  bool PictureStored() const { return FPictureStored; }
  void SetPictureStored(bool value) { FPictureStored = value; }

  // --- properties ------------------------------------------------------------------------------
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value) { FCenter = value; }
  const QString& FileLink() const { return FFileLink; }
  void SetFileLink(const QString& value) { FFileLink = value; }
  // 1-based position of the picture in the prepared pages' cache; 0 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value) { FImageIndex = value; }
  bool ImageIndexStored() const { return FImageIndexStored; }
  void SetImageIndexStored(bool value) { FImageIndexStored = value; }
  bool KeepAspectRatio() const { return FKeepAspectRatio; }
  void SetKeepAspectRatio(bool value) { FKeepAspectRatio = value; }
  bool Stretched() const { return FStretched; }
  void SetStretched(bool value) { FStretched = value; }
  bool HightQuality() const { return FHightQuality; }
  void SetHightQuality(bool value) { FHightQuality = value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor value) { FTransparentColor = value; }

  // --- drawing and printing --------------------------------------------------------------------
  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;
  // The device rectangle the picture is drawn into at the last BeginDraw.
  QRect PictureTarget() const;
  // After the view's own expressions: the picture from FileLink (its expressions expanded), or
  // from the bound large-object field.
  void GetData() override;
  // Hands a changed picture to the report's prepared-pages store first.
  void AppendDiff(const TrpComponent& other, QString& out) const override;

 private:
  void PictureWasChanged();
  void DrawPicture();
  void DrawPlaceholder();

  TrpPicture FPicture;
  bool FPictureChanged = false;
  bool FPictureStored = true;
  bool FAutoSize = false;
  bool FCenter = false;
  QString FFileLink;
  int FImageIndex = 0;
  bool FImageIndexStored = false;
  bool FKeepAspectRatio = true;
  bool FStretched = true;
  bool FHightQuality = false;
  bool FTransparent = false;
  TColor FTransparentColor = clWhite;
};
