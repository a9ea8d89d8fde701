#pragma once

#include "LogRecorder.h"
#include "RecordingPacer.h"
#include "ScriptedDialogs.h"
#include "SimD2xx.h"
#include "app/DiagnosticLog.h"
#include "device/Communication.h"
#include "device/D2XXUnit.h"

// The device link over a simulated pedal, with pauses scaled to nothing.
struct DeviceFixture {
    SimD2xx sim;
    ScriptedDialogs dialogs;
    DiagnosticLog log;
    LogRecorder recorder{log};
    RecordingPacer pacer;
    D2XXUnit unit{sim, dialogs};
    Communication comm{unit, log, pacer};

    SimulatedPedal& pedal() { return sim.pedal(); }

    // Opens the first device as Connect does.
    void open() {
        unit.Open_USB_Device_By_Serial_Number(SimD2xx::DefaultSerial);
        unit.Settings() = {115200, 8, 0, 0};
        unit.ApplyBaudRate();
        unit.ApplyDataCharacteristics();
    }
};
