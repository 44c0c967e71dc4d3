#pragma once
#include "link/PortHolders.h"
#include <QList>
#include <QString>
#include <QtGlobal>

class QSerialPortInfo;

// What is known of the USB adapter behind a port device.
struct TUsbDetails {
    bool usb = false;          // the device is a USB adapter with known ids
    QString manufacturer;
    QString description;       // the product description
    QString serialNumber;
    quint16 vendorId = 0;
    quint16 productId = 0;

    QString Ids() const;       // "0403:6001"; empty when not a USB adapter
};

// The details the system's port list gives for the device (its canonical
// path; on Windows \\.\COMn); nothing for a device the list does not have.
TUsbDetails UsbDetailsOf(const QString& device, const QList<QSerialPortInfo>& ports);

// A USB serial adapter that is plugged in but was taken from the kernel's
// serial driver by another program, so that it never became a port: the
// braille display daemon brltty claims the CH340 (1a86:7523), whose ids
// one of the braille displays shares.
struct TClaimedAdapter {
    QString usbDevice;           // the sysfs name of the USB device ("1-1.2")
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString driver;              // the interface's driver now ("usbfs"), or empty
    QList<TPortHolder> claimers; // the brltty processes running

    QString Ids() const;
};

// The CH340 adapters that brltty keeps from becoming ports: plugged in
// (sysfs bus/usb/devices), their interface not bound to the serial driver
// ch341, while brltty runs.
QList<TClaimedAdapter> AdaptersClaimedByBrltty();
