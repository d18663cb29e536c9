// The main window's snapshot slots and the windows it opens for them and for the aux memos.

#include "app/form1.h"

#include "display/colourscheme.h"
#include "store/auxmemoform.h"
#include "store/fieldgroup.h"
#include "store/form5.h"
#include "store/recovery.h"
#include "store/snapshotslots.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void Form1::Command25_Click() { openAuxMemo(form3, AuxMemoForm::Form3); }
void Form1::Command26_Click() { openAuxMemo(form4, AuxMemoForm::Form4); }
void Form1::Command43_Click() { widgets::SecondaryWindow::open(form5, *this, snapshotSlots()); }

void Form1::Command35_Click() { snapshotSlots().load(1); }
void Form1::Command36_Click() { snapshotSlots().load(2); }
void Form1::Command37_Click() { snapshotSlots().load(3); }
void Form1::Command38_Click() { snapshotSlots().load(4); }
void Form1::Command39_Click() { snapshotSlots().load(5); }
void Form1::Command40_Click() { snapshotSlots().load(6); }
void Form1::Command41_Click() { snapshotSlots().load(7); }
void Form1::Command42_Click() { snapshotSlots().load(8); }

// An aux memo window's unsaved fields are kept while it is open; closing it lets them go.
AuxMemoForm &Form1::openAuxMemo(QPointer<AuxMemoForm> &window, const AuxMemoSetup &setup)
{
    const bool opening = !window;
    AuxMemoForm &opened = widgets::SecondaryWindow::open(
        window, *this, services_, setup, dataFolder_, display::schemeToCopy(Text1, Text7));
    if (opening) {
        store::FieldGroup &fields = opened.fields();
        recovery_->watch(fields);
        connect(&opened, &QObject::destroyed, recovery_.get(),
                [this, &fields] { recovery_->forget(fields); });
    }
    return opened;
}

store::SnapshotSlots Form1::snapshotSlots() { return {services_, dataFolder_, fieldBoxes()}; }
