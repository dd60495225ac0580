// The shared skin: pictures by family, colours of items 1 to 5, and the
// built-in colours coming back when colours are switched off.

#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

class SkinningTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        DefaultSettings();
        dialog_ = new QDialog;
        auto* layout = new QVBoxLayout(dialog_);
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto* label = new QLabel(name);
            label->setObjectName(name);
            layout->addWidget(label);
        }
        auto* text = new QLineEdit;
        text->setObjectName("Text1");
        layout->addWidget(text);
        design_ = dialog_->palette().color(QPalette::Window);
        labelDesign_ = label("Label5")->palette().color(QPalette::WindowText);
    }
    void TearDown() override
    {
        delete dialog_;
        ProgramFolderTest::TearDown();
    }
    QWidget* label(const char* name) const { return dialog_->findChild<QWidget*>(name); }
    QColor textOf(const char* name) const { return label(name)->palette().color(QPalette::WindowText); }
    void writePicture(const QString& name, QColor colour) const
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(path(name), "PNG")); // a PNG under a .jpg name still loads
    }
    void skin(SkinFamily family = SkinFamily::Play)
    {
        Skinning(dialog_, family,
                 {.title = {label("Label1")},
                  .body = {label("Label2")},
                  .label = {label("Label3")},
                  .other = {label("Label4"), label("Text1")}});
    }

    QDialog* dialog_ = nullptr;
    QColor design_;
    QColor labelDesign_;
};

} // namespace

TEST_F(SkinningTest, DefaultFlagsWithoutPicturesChangeNothing)
{
    skin();
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
    EXPECT_EQ(SkinBackground(dialog_), design_);
    EXPECT_EQ(textOf("Label3"), labelDesign_);
}

TEST_F(SkinningTest, PicturesFollowTheirFamily)
{
    writePicture("SkinPlay.jpg", Qt::green);
    Settings.set(SkinFlags, "1 Skinning/colours");
    skin(SkinFamily::Analyse);
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
    skin(SkinFamily::Play);
    ASSERT_FALSE(SkinPicture(dialog_).isNull());
    EXPECT_EQ(SkinPicture(dialog_).size(), QSize(40, 30));
    EXPECT_EQ(SkinPicture(dialog_).toImage().pixelColor(0, 0), QColor(Qt::green));

    // A missing picture leaves the one shown; pictures off remove it.
    QFile::remove(path("SkinPlay.jpg"));
    skin();
    EXPECT_FALSE(SkinPicture(dialog_).isNull());
    Settings.set(SkinFlags, "0");
    skin();
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
}

TEST_F(SkinningTest, CorruptPictureShowsNoPicture)
{
    writePicture("SkinMain.jpg", Qt::blue);
    skin(SkinFamily::Main);
    ASSERT_FALSE(SkinPicture(dialog_).isNull());
    writeFile("SkinMain.jpg", "\xff\xd8\xff\xe0 not really a picture");
    skin(SkinFamily::Main);
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
    writeFile("SkinMain.jpg", "");
    skin(SkinFamily::Main);
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
    // A named pipe of the picture's name is passed over at once.
    QFile::remove(path("SkinMain.jpg"));
    const NamedPipe pipe(path("SkinMain.jpg"));
    ASSERT_TRUE(pipe.made());
    QElapsedTimer timer;
    timer.start();
    skin(SkinFamily::Main);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(SkinPicture(dialog_).isNull());
}

TEST_F(SkinningTest, ColoursOfItemsOneToFive)
{
    Settings.set(TitleColour, "&HFF");          // red
    Settings.set(BodyTextColour, "&HFF00");     // green
    Settings.set(LabelColour, "&H800000");      // dark blue
    Settings.set(OtherTextColour, "&H000080");  // dark red
    Settings.set(BackgroundColour, "&HC0FFFF"); // light yellow
    Settings.set(SkinFlags, "2");
    skin();
    EXPECT_EQ(SkinBackground(dialog_), QColor(255, 255, 192));
    EXPECT_EQ(textOf("Label1"), QColor(255, 0, 0));
    EXPECT_EQ(textOf("Label2"), QColor(0, 255, 0));
    EXPECT_EQ(textOf("Label3"), QColor(0, 0, 128));
    EXPECT_EQ(textOf("Label4"), QColor(128, 0, 0));
    EXPECT_EQ(label("Text1")->palette().color(QPalette::Text), QColor(128, 0, 0));
    EXPECT_EQ(textOf("Label5"), labelDesign_); // not listed: keeps its colour

    // The system face colour is the palette's window colour.
    Settings.set(BackgroundColour, "&H8000000F");
    skin();
    EXPECT_EQ(SkinBackground(dialog_), QApplication::palette().color(QPalette::Window));

    // Colours off: the built-in background returns at the next skinning.
    Settings.set(BackgroundColour, "&HFF");
    skin();
    Settings.set(SkinFlags, "1");
    skin();
    EXPECT_EQ(SkinBackground(dialog_), design_);
}

TEST_F(SkinningTest, LeadingNumberOfTheFlagsIsRounded)
{
    writePicture("SkinFile.jpg", Qt::red);
    Settings.set(BackgroundColour, "&HFF");
    Settings.set(SkinFlags, "2.6 both");
    skin(SkinFamily::File);
    EXPECT_FALSE(SkinPicture(dialog_).isNull());
    EXPECT_EQ(SkinBackground(dialog_), QColor(255, 0, 0));
    EXPECT_EQ(SkinPictureFile(SkinFamily::Syndicates), "SkinSyndicates.jpg");
}
