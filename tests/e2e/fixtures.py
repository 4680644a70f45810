#!/usr/bin/env python3
"""Lays the end-to-end fixtures under a Wine prefix's drive_c.

  fixtures.py DRIVE_C
  fixtures.py --far3 DRIVE_C   only the landscape Far3 (below)

Everything is made here, nothing is copied from a real installation:

  C:\\Condor2\\   Condor.exe, Logs\\Logfile.txt (version 2300),
                Landscapes\\Provence\\Provence.trn and .air
  C:\\Condor3\\   Condor.exe, Logs\\Logfile.txt (version 3014),
                Landscapes\\Provence3\\Provence3.trn and .air (5 airspaces),
                Landscapes\\Short3\\Short3.trn, a terrain file too short to
                hold a header
  C:\\Docs\\      the user's Documents folder: Condor\\FlightPlans\\ holds the
                Condor 2 plans, Condor3\\FlightPlans\\ receives the output
  C:\\Plans\\     the same plans outside the Condor folders, a defaults file,
                Été\\Tâche.fpl and Задача.fpl, paths outside ASCII, and
                Défauts\\defaults.fpl, a defaults file in an accented folder
  C:\\Names\\     Задача.fpl and Task1.fpl alone, for the real open dialog
  C:\\users\\Łukasz\\Documents\\   a Documents folder named outside the code page,
                laid out as C:\\Docs\\

Far3 is laid only by the cases that need it, so that the dialog runs see the
same Landscapes folder as ever: C:\\Condor3\\Landscapes\\Far3\\Far3.trn and .air,
Provence's zone and size with its origin 300 km further west, so that none of
the plans' positions lie on it.

The registry values that point at these folders are set by the caller
(tests/e2e/lib.sh), since only Wine's own reg command may write them.
"""
import struct
import sys
from pathlib import Path

# Terrain header: 36 bytes, little-endian; see the terrain reader.
#   grid cells X, Y (int32), orientation, cell size X, Y, UTM origin E, N
#   (float32), zone (int8) + 3 bytes, hemisphere letter + 3 bytes.
def trn_header(cells_x, cells_y, cell, orig_e, orig_n, zone, hemisphere):
    head = struct.pack("<iifffff", cells_x, cells_y, 0.0, -cell, cell, orig_e, orig_n)
    head += struct.pack("<b3x", zone) + hemisphere.encode("ascii") + b"\0\0\0"
    assert len(head) == 36
    # A little elevation data after the header, as real terrain files have.
    return head + bytes(64)


LANDSCAPES = {
    # Condor 2 landscape: 1024 x 1024 cells of 90 m, UTM zone 31 north.
    "Condor2": ("Provence", trn_header(1024, 1024, 90.0, 700000.0, 4900000.0, 31, "N"), 3),
    # Condor 3 landscape over the same area, its origin 10 km away.
    "Condor3": ("Provence3", trn_header(1280, 1280, 90.0, 710000.0, 4910000.0, 31, "N"), 5),
}


def air_file(count):
    lines = []
    for k in range(count):
        lines += [f"AC D", f"AN Zone {k}", "AL GND", "AH 1500M MSL",
                  f"DP 43:{10 + k}:00 N 005:20:00 E", ""]
    return "\r\n".join(lines).encode("ascii")


# A Condor 2 plan: takeoff, two turnpoints, a finish, one penalty zone.
def plan_v2(description):
    tps = [
        ("Vinon", 52000.0, 41000.0, 280.0, 1),
        ("Sisteron", 47000.0, 78000.0, 450.0, 0),
        ("Digne <N>", 26000.0, 66000.0, 600.0, 0),
        ("Vinon", 52000.0, 41000.0, 280.0, 1),
    ]
    out = ["[Version]", "Condor version=2300", "", "[Task]", "Landscape=Provence",
           f"Count={len(tps)}"]
    for n, (name, x, y, z, airport) in enumerate(tps):
        out += [f"TPName{n}={name}", f"TPPosX{n}={x}", f"TPPosY{n}={y}", f"TPPosZ{n}={z}",
                f"TPAirport{n}={airport}", f"TPSectorType{n}=0", f"TPRadius{n}=3000",
                f"TPAngle{n}=90", f"TPAltitude{n}=1500", f"TPWidth{n}=0", f"TPHeight{n}=0",
                f"TPAzimuth{n}=0"]
    out += ["PZCount=1"]
    corners = [(40000.0, 50000.0), (38000.0, 50000.0), (38000.0, 52000.0), (40000.0, 52000.0)]
    for c, (x, y) in enumerate(corners):
        out += [f"PZPos{c}X0={x}", f"PZPos{c}Y0={y}"]
    out += ["PZBase0=0", "PZTop0=3000", "PZPenaltyTimeFactor0=1", "",
            "[Weather]", "Pressure=1013", "ThermalsTemp=25", "ThermalsDew=10",
            "ThermalsInversionheight=1500", "WindDir=270", "WindSpeed=5", "",
            "[Plane]", "Class=Standard", "Name=Discus", "Skin=Default", "Water=0", "",
            "[GameOptions]", "TaskDate=45000", "StartTime=13", "MaxStartGroundSpeed=120",
            "AAT=0", "", "[Description]", f"Text={description}", ""]
    # Plans hold the Windows code page.
    return "\r\n".join(out).encode("cp1252")


# A Condor 3 defaults file: only the keys it names change a converted plan.
DEFAULTS = "\r\n".join(["[Version]", "Condor version=3000", "[GameOptions]",
                        "MaxStartGroundSpeed=150", ""]).encode("ascii")


def write(path: Path, data: bytes):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def write_far3(drive_c: Path):
    # A Provence position (X, Y) is (X - 300000, Y) there: X grows westwards.
    far = drive_c / "Condor3" / "Landscapes" / "Far3"
    write(far / "Far3.trn", trn_header(1024, 1024, 90.0, 400000.0, 4900000.0, 31, "N"))
    write(far / "Far3.air", air_file(1))


def main():
    if sys.argv[1] == "--far3":
        write_far3(Path(sys.argv[2]))
        return
    drive_c = Path(sys.argv[1])
    for folder, version in (("Condor2", 2300), ("Condor3", 3014)):
        inst = drive_c / folder
        write(inst / "Condor.exe", b"MZ")
        write(inst / "Logs" / "Logfile.txt",
              f"Log started\r\nCondor version: {version}\r\nGraphics: none\r\n".encode("ascii"))
        name, trn, airspaces = LANDSCAPES[folder]
        write(inst / "Landscapes" / name / f"{name}.trn", trn)
        write(inst / "Landscapes" / name / f"{name}.air", air_file(airspaces))
    short = drive_c / "Condor3" / "Landscapes" / "Short3"
    write(short / "Short3.trn", trn_header(1280, 1280, 90.0, 710000.0, 4910000.0, 31, "N")[:20])
    write(short / "Short3.air", air_file(1))
    docs = drive_c / "Docs"
    for plan in ("Task1", "Task2"):
        data = plan_v2(f"End-to-end plan {plan}")
        write(docs / "Condor" / "FlightPlans" / f"{plan}.fpl", data)
        write(drive_c / "Plans" / f"{plan}.fpl", data)
    # A folder and a plan named with letters outside ASCII (UTF-8 on disk).
    write(drive_c / "Plans" / "\u00c9t\u00e9" / "T\u00e2che.fpl", plan_v2("End-to-end plan T\u00e2che"))
    (docs / "Condor3" / "FlightPlans").mkdir(parents=True, exist_ok=True)
    write(drive_c / "Plans" / "Defaults.fpl", DEFAULTS)
    # Names outside Windows-1252: a Cyrillic plan, a Polish user's Documents.
    write(drive_c / "Plans" / "\u0417\u0430\u0434\u0430\u0447\u0430.fpl",
          plan_v2("End-to-end plan Zadacha"))
    write(drive_c / "Plans" / "D\u00e9fauts" / "defaults.fpl", DEFAULTS)
    # A folder of just two plans, one named in Cyrillic, for the open dialog.
    write(drive_c / "Names" / "\u0417\u0430\u0434\u0430\u0447\u0430.fpl",
          plan_v2("End-to-end plan Zadacha"))
    write(drive_c / "Names" / "Task1.fpl", plan_v2("End-to-end plan Task1"))
    lukasz = drive_c / "users" / "\u0141ukasz" / "Documents"
    write(lukasz / "Condor" / "FlightPlans" / "Task1.fpl", plan_v2("End-to-end plan Task1"))
    (lukasz / "Condor3" / "FlightPlans").mkdir(parents=True, exist_ok=True)


if __name__ == "__main__":
    main()
