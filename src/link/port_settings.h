// The user's serial port: the stored choice "com", the current port name of
// the run, and the device each COMn stands for on this machine.
#pragma once

#include <QString>

namespace radio {

// The device port n is opened under: on Windows its COM name; elsewhere the
// environment's RADIOPROG_PORT_COMn when set (a device for this run only),
// else the per-user value "ports/COMn" when set, else the default device.
QString PortDevice(int port);

// Chooses the device port n stands for on Linux and macOS ("ports/COMn");
// an empty device goes back to the default. False when it cannot be stored.
bool SetPortDevice(int port, const QString& device);

// The device to open for a current port name or command-line port: a device
// path (made absolute when relative), a COM name of 1-16 becomes
// PortDevice(n), anything else is passed on unchanged (and fails to open).
QString PortDeviceOf(const QString& portName);

// Reads the stored choice (missing -> 1, lowest byte) and makes it the
// current port name. Done whenever a channel view is created.
void LoadCurrentPortChoice();

// Makes port n the current port and stores it as "com".
void StorePortChoice(int port);

}  // namespace radio
