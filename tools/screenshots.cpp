// Pictures of every window of the desktop program, in English and in Chinese, for review:
//   tq8615-screenshots OUTPUT_FOLDER
// Runs without a display (QT_QPA_PLATFORM=offscreen); nothing is saved to the settings
// beside the program, as the windows work on a scratch copy of the program folder.
#include "app/app_context.h"
#include "app/editor_list.h"
#include "app/frm_about.h"
#include "app/frm_com_set.h"
#include "app/frm_csv_import.h"
#include "app/frm_emg.h"
#include "app/frm_init.h"
#include "app/frm_language.h"
#include "app/frm_main.h"
#include "app/frm_model.h"
#include "app/frm_password.h"
#include "app/frm_progress.h"
#include "app/frm_splash.h"
#include "app/message_box.h"
#include "editors/frm_five_tone.h"
#include "editors/frm_special.h"

#include "link/run_ui.h"

#include "model/channels.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>

#include <cstdio>
#include <functional>

using namespace tq8615;
using namespace tq8615::app;

namespace {

// Screenshots ask nobody anything.
class SilentBoxes : public MessageBoxInterface {
public:
    Answer ask(QWidget*, Icon, const QString&, const QString&, Buttons) override { return Answer::Cancel; }
};

// Shows the window at its natural size and grabs it after `prepare` ran on the shown window.
bool saveShown(QWidget& w, const QString& folder, const QString& name, const std::function<void()>& prepare)
{
    w.adjustSize();
    w.show();
    QApplication::processEvents();
    prepare();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    w.hide();
    return ok;
}

bool save(QWidget& w, const QString& folder, const QString& name)
{
    return saveShown(w, folder, name, [] {});
}

// A 5-tone list with every kind of code, an own identity and a named info code.
void sampleFiveTone(FiveToneSettings& s)
{
    s.SelfId = std::string("12345") + '\0';
    s.SelfIdLength = 5;
    const char* codes[] = {"E123456E4142", "1E1E1D12345", "E612345", "1E2E3", "24680", "13579"};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        FiveToneCode& c = s.CallList[i];
        c.IsEmpty = 0;
        c.Code = codes[i];
        c.DigitCount = static_cast<uint8_t>(std::string_view(codes[i]).size());
        c.Standard = static_cast<uint8_t>(i * 2);
        c.ToneLength = 70;
    }
    s.InfoCodes[0].DecodeFunction = 1;
    s.InfoCodes[0].Digits = "777";
    s.InfoCodes[0].DigitCount = 3;
    s.InfoCodes[0].Name = "BOSS";
    s.PttIdBegin.Code = "E612345";
    s.PttIdBegin.DigitCount = 7;
    s.PttIdBegin.ToneLength = 70;
}

// Grabs the modal window that opens next (a message box, a file dialog), then closes it.
void grabNextModal(const QString& folder, const QString& name, bool& ok)
{
    QTimer::singleShot(50, [folder, name, &ok] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            grabNextModal(folder, name, ok);
            return;
        }
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        const bool saved = w->grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        ok &= saved;
        w->close();
    });
}

void sampleChannels(EditingModel& m)
{
    const char* names[] = {"HOME", "CLUB", "RPT-1", "", "MARIN", "NET"};
    for (int n = 3; n <= 8; ++n) {
        ChannelRecord r = NewChannelWithFreq(n, n % 2 ? "435.12500" : "145.67500");
        r.ChannelName = names[n - 3];
        r.ShiftMode = static_cast<int16_t>(n % 3);
        r.TxFreq = "000060000";
        r.DecodeType = static_cast<int16_t>(n % 3);
        r.DecodeCtcss = static_cast<int16_t>(n * 3);
        r.EncodeType = 2;
        r.EncodeDcs = static_cast<int16_t>(n * 11);
        r.OptSigType = n == 5 ? 1 : n == 6 ? 3 : 0;
        r.Power = static_cast<int16_t>(n % 3);
        r.Bandwidth = static_cast<int16_t>(n % 2 ? 0 : 2);
        m.AppendChannel(r);
    }
}

EmbeddedInfo sampleInfo()
{
    EmbeddedInfo i;
    i.AreaCode = "EU01";
    i.ManufactureCode = "M2301A";
    i.UserCode = "U042";
    i.BandIndex = 1;
    i.SerialNumber = "TQ86150012345";
    i.ProductedDate = "2023-05-17";
    i.MaintainedDate = "2024-02-02";
    i.RfFirmware = "V1.05";
    i.LcdFirmware = "V2.1A";
    i.Description = "Replaced the antenna connector; checked the transmit power on both bands.";
    i.DealerCode = "D-7781";
    i.StockDate = "2023-06-01";
    i.SellDate = "2023-07-12";
    i.Seller = "R. Ortega";
    return i;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TQ8615"));
    QApplication::setApplicationVersion(QStringLiteral(TQ8615_VERSION));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);

    // A scratch program folder with the real language files and pictures.
    QTemporaryDir scratch;
    const QString bin = QCoreApplication::applicationDirPath();
    QDir().mkpath(scratch.filePath(QStringLiteral("language")));
    for (const char* f : {"language/english.ini", "language/chinese.ini", "StartE.jpg", "StartC.jpg"})
        QFile::copy(QDir(bin).filePath(QString::fromLatin1(f)), scratch.filePath(QString::fromLatin1(f)));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.filePath(QStringLiteral("user")));

    SilentBoxes boxes;
    bool ok = true;
    for (const char* locale : {"en_US", "zh_CN"}) {
        const QString suffix = QString::fromLatin1(locale).left(2);
        StartupOptions options;
        options.programFolder = scratch.path();
        options.fallbackFolder = scratch.filePath(QStringLiteral("user"));
        options.systemLocale = QLocale(QString::fromLatin1(locale));
        options.listPorts = [] { return QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")}; };
        auto ctx = RunStartup(options, boxes);
        const Language& lang = ctx->language;
        QApplication::setFont(lang.windowFont(QApplication::font()));

        {
            frmSplash w(scratch.path(), lang);
            w.Timer1.stop();
            ok &= save(w, out, QStringLiteral("splash_") + suffix);
        }
        {
            sampleChannels(ctx->document.Model);
            sampleFiveTone(ctx->document.Model.FiveTone);
            frmMain w(*ctx);
            w.resize(1180, 640);
            auto* grid = w.findChild<QTableView*>(QStringLiteral("MSFlexGrid1_0"));
            grid->setCurrentIndex(grid->model()->index(0, 1));
            w.show();
            QApplication::processEvents();
            const QString path = QDir(out).filePath(QStringLiteral("main_") + suffix + QStringLiteral(".png"));
            ok &= w.grab().save(path);
            std::printf("wrote %s\n", qPrintable(path));
            w.hide();
            // The menus, opened one by one.
            for (QMenu* menu : w.findChildren<QMenu*>()) {
                if (menu->objectName().isEmpty())
                    continue;  // the toolbar's own overflow menu
                menu->adjustSize();
                const QString name = QStringLiteral("menu_") + menu->objectName() + QLatin1Char('_') + suffix;
                ok &= menu->grab().save(QDir(out).filePath(name + QStringLiteral(".png")));
            }
            // The print preview of the channel table.
            ctx->dialogs.run = [&](QDialog& d) {
                d.resize(1100, 760);
                d.show();
                QApplication::processEvents();
                const QString name = QStringLiteral("print_preview_") + suffix + QStringLiteral(".png");
                ok &= d.grab().save(QDir(out).filePath(name));
                std::printf("wrote %s\n", qPrintable(QDir(out).filePath(name)));
                d.hide();
                return int(QDialog::Rejected);
            };
            w.mnuFilePrint_Click();
            ctx->dialogs.run = DialogHooks::Real().run;
            // Every editor of the list, on the sample data.
            for (const EditorEntry& editor : EditorList()) {
                ctx->CurrentChannel = 3;
                const std::unique_ptr<QDialog> window = editor.make(*ctx, nullptr);
                ok &= save(*window, out, window->objectName() + QLatin1Char('_') + suffix);
            }
            // The 5-tone list with each floating cell editor open, and the special call window.
            {
                Frm5Tone five(*ctx);
                auto* codes = five.findChild<QTableWidget*>(QStringLiteral("MSHFlexGrid1"));
                for (int column = Frm5Tone::kCodeColumn; column <= Frm5Tone::kToneLengthColumn; ++column)
                    ok &= saveShown(five, out, QStringLiteral("Frm5Tone_cell%1_").arg(column) + suffix,
                                    [&] { codes->setCurrentCell(4, column); });
                FrmSpecial message(*ctx, five, SpecialTarget::ListEntry, 6);
                ok &= save(message, out, QStringLiteral("FrmSpecial_") + suffix);
                FrmSpecial ani(*ctx, five, SpecialTarget::PttIdBegin, -1);
                ok &= saveShown(ani, out, QStringLiteral("FrmSpecial_ani_") + suffix, [&] {
                    ani.findChild<QComboBox*>(QStringLiteral("Combo1_1"))->setCurrentIndex(1);
                    ani.findChild<QLineEdit*>(QStringLiteral("Text1_1"))->setText(QStringLiteral("11111"));
                });
            }
            ctx->document.Model.ChannelCount = 0;
        }
        {
            frmAbout w(lang, boxes);
            ok &= save(w, out, QStringLiteral("about_") + suffix);
        }
        {
            Language copy(ctx->paths.languageFolder(), lang.LanguageIndex());
            FrmLanguage w(copy);
            ok &= save(w, out, QStringLiteral("language_") + suffix);
        }
        {
            int factoryFres = 1;
            FrmInit w(lang, factoryFres, scratch.filePath(QStringLiteral("unused.ini")));
            ok &= save(w, out, QStringLiteral("init_") + suffix);
        }
        {
            FrmModel w(lang, boxes, 2);
            ok &= save(w, out, QStringLiteral("model_") + suffix);
        }
        {
            QString port = QStringLiteral("ttyUSB0");
            FrmComSet w(lang, port, scratch.filePath(QStringLiteral("unused.ini")), options.listPorts);
            ok &= save(w, out, QStringLiteral("comset_") + suffix);
        }
        {
            FrmProgress w(lang, false);
            w.SetProgressValue(42);
            ok &= save(w, out, QStringLiteral("progress_read_") + suffix);
            FrmProgress write(lang, true);
            write.SetProgressValue(87);
            ok &= save(write, out, QStringLiteral("progress_write_") + suffix);
        }
        {
            FrmPassWord w(lang, QStringLiteral("12"));
            ok &= save(w, out, QStringLiteral("password_") + suffix);
        }
        {
            FrmEMG w(lang, sampleInfo());
            ok &= save(w, out, QStringLiteral("emg_") + suffix);
        }
        {
            // A channel list as other programmers write it: locations from 0, a long name, a
            // watt power, a row outside the band plan and one with a tone nobody has.
            const QString csv = scratch.filePath(QStringLiteral("channels.csv"));
            QFile f(csv);
            f.open(QIODevice::WriteOnly);
            f.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
                    "0,CALL,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
                    "1,Repeater North,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W,,,,,\r\n"
                    "2,APRS,144.800000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,S,Low,,,,,\r\n"
                    "3,MARINE,156.800000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,High,,,,,\r\n"
                    "4,UHF-R,438.725000,-,7.600000,DTCS,88.5,88.5,165,NR,023,Tone->Tone,NFM,6.25,,1.0W,,,,,\r\n"
                    "5,ODD,433.500000,,0.000000,TSQL,88.5,88.4,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n");
            f.close();
            FrmCsvImport w(lang, ctx->document.Model, csv.toStdString());
            ok &= save(w, out, QStringLiteral("csv_import_") + suffix);
        }
        {
            // The real message boxes and the open dialog, with Qt's texts of the language.
            QtMessageBox real;
            grabNextModal(out, QStringLiteral("box_yes_no_cancel_") + suffix, ok);
            real.ask(nullptr, Icon::Warning, AppTitle(), lang.text(BuiltinText::UnsavedPrompt), Buttons::YesNoCancel);
            grabNextModal(out, QStringLiteral("box_retry_cancel_") + suffix, ok);
            real.ask(nullptr, Icon::Warning, AppTitle(), lang.LangText(TextKey::NoAnswer), Buttons::RetryCancel);
            grabNextModal(out, QStringLiteral("box_band_error_") + suffix, ok);
            real.inform(nullptr, IconOf(BandErrorMessage().icon), AppTitle(), lang.text(BuiltinText::WrongBand));
            grabNextModal(out, QStringLiteral("box_stop_write_") + suffix, ok);
            real.ask(nullptr, Icon::Warning, AppTitle(), lang.text(BuiltinText::StopWriteQuestion), Buttons::YesNo);
            QFileDialog open(nullptr, QString(), scratch.path(),
                             lang.text(BuiltinText::DataFileType) + QStringLiteral(" (*.dat)"));
            open.setOption(QFileDialog::DontUseNativeDialog);
            open.resize(760, 480);
            grabNextModal(out, QStringLiteral("open_dialog_") + suffix, ok);
            DialogHooks::Real().run(open);
        }
    }
    return ok ? 0 : 1;
}
