#!/usr/bin/env python3
"""Writes the invented sample environment under examples/sample/.

Every landscape name, position and number here is invented. The tree is a
Wine-style prefix (prefix/) holding a Condor 2 and a Condor 3 installation,
their landscapes (terrain headers and airspace files) and a user's Documents
folder with two Condor 2 flight plans. Run it again after changing it; its
output is committed.
"""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "sample")
PREFIX = os.path.join(ROOT, "prefix")
C = os.path.join(PREFIX, "drive_c")


def write(path, data, mode="w"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("cp1252")
    with open(path, "wb") as f:
        f.write(data)


def crlf(text):
    return text.replace("\n", "\r\n")


def terrain(cells_x, cells_y, cell, orig_e, orig_n, zone, hemisphere):
    """The 36-byte terrain header, little-endian, then a little fake elevation data."""
    head = struct.pack("<iifffff", cells_x, cells_y, 0.0, -cell, cell, orig_e, orig_n)
    head += struct.pack("<b3x", zone) + hemisphere.encode() + b"\0\0\0"
    assert len(head) == 36
    return head + bytes(range(64))


def airspaces(names):
    out = "* Airspaces of an invented landscape\n"
    for i, (cls, name) in enumerate(names):
        out += f"AC {cls}\nAN {name}\nAL GND\nAH {2000 + 500 * i}m MSL\n"
        out += f"DP 46:{10 + i}:00 N 009:{20 + i}:00 E\nDP 46:{10 + i}:30 N 009:{21 + i}:00 E\n"
        out += f"DP 46:{11 + i}:00 N 009:{20 + i}:00 E\n\n"
    return out


def main():
    if os.path.isdir(ROOT):
        shutil.rmtree(ROOT)

    # Registry of the prefix, in the text form Wine keeps it.
    write(os.path.join(PREFIX, "user.reg"), """WINE REGISTRY Version 2
;; All keys relative to \\\\User\\\\S-1-5-21-1000-2000-3000-1000

#arch=win64

[Software\\\\Condor2] 1796985983
#time=1dc6b5e4b1a2c3d
"InstallDir"="C:\\\\Condor2"
"LastPlayer"="Ann Pilot"

[Software\\\\Condor3] 1796985983
#time=1dc6b5e4b1a2c3d
"InstallDir"="C:\\\\Condor3"
"LastPlayer"="Ann Pilot"

[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\User Shell Folders] 1796985983
#time=1dc6b5e4b1a2c3d
"Personal"=str(2):"%USERPROFILE%\\\\Documents"

[Volatile Environment] 1796985983
#time=1dc6b5e4b1a2c3d
"USERPROFILE"="C:\\\\users\\\\ann"
""")
    os.makedirs(os.path.join(PREFIX, "dosdevices"), exist_ok=True)
    os.symlink("../drive_c", os.path.join(PREFIX, "dosdevices", "c:"))

    # Condor 2: installation, log file with its version, one landscape.
    write(os.path.join(C, "Condor2", "Condor.exe"), b"")
    write(os.path.join(C, "Condor2", "Logs", "Logfile.txt"),
          crlf("Log started\nCondor version: 2300\nScreen 1920x1080\n"))
    write(os.path.join(C, "Condor2", "Landscapes", "Brenvale", "Brenvale.trn"),
          terrain(2048, 2048, 90.0, 700000.0, 5000000.0, 32, "N"))

    # Condor 3: installation and two landscapes, one in the same UTM zone,
    # one in the next zone east.
    write(os.path.join(C, "Condor3", "Condor.exe"), b"")
    write(os.path.join(C, "Condor3", "Logs", "Logfile.txt"),
          crlf("Log started\nCondor version: 3014\n"))
    write(os.path.join(C, "Condor3", "Landscapes", "Brenvale3", "Brenvale3.trn"),
          terrain(2560, 2560, 90.0, 712000.0, 4985000.0, 32, "N"))
    write(os.path.join(C, "Condor3", "Landscapes", "Brenvale3", "Brenvale3.air"),
          crlf(airspaces([("C", "Brenvale TMA"), ("D", "Brenvale CTR"), ("R", "Lake range"),
                          ("Q", "Gliding sector North")])))
    write(os.path.join(C, "Condor3", "Landscapes", "Orlanda", "Orlanda.trn"),
          terrain(4096, 3072, 60.0, 332000.0, 5070000.0, 33, "N"))
    write(os.path.join(C, "Condor3", "Landscapes", "Orlanda", "Orlanda.air"),
          crlf(airspaces([("C", "Orlanda TMA"), ("P", "Orlanda power plant")])))

    docs = os.path.join(C, "users", "ann", "Documents")
    os.makedirs(os.path.join(docs, "Condor3", "FlightPlans"), exist_ok=True)
    write(os.path.join(docs, "Condor3", "FlightPlans", ".keep"), b"")
    os.makedirs(os.path.join(docs, "Condor3", "Pilots", "Ann Pilot"), exist_ok=True)
    write(os.path.join(docs, "Condor3", "Pilots", "Ann Pilot", ".keep"), b"")
    plans = os.path.join(docs, "Condor", "FlightPlans")
    write(os.path.join(plans, "Brenvale triangle.fpl"), crlf(TRIANGLE))
    write(os.path.join(plans, "Lake out-and-return.fpl"), crlf(OUT_AND_RETURN))


TRIANGLE = """[Version]
Condor version=2300

[Task]
Landscape=Brenvale
Count=5
TPName0=Brenvale airfield
TPPosX0=100250.5
TPPosY0=80120.25
TPPosZ0=452
TPAirport0=1
TPSectorType0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=0
TPAzimuth0=0
TPName1=Start <North gate>
TPPosX1=98000
TPPosY1=86500
TPPosZ1=610
TPAirport1=0
TPSectorType1=1
TPRadius1=2000
TPAngle1=180
TPAltitude1=1800
TPWidth1=0
TPHeight1=0
TPAzimuth1=1.5708
TPName2=Col du Brenn
TPPosX2=121400.75
TPPosY2=112300.5
TPPosZ2=1840
TPAirport2=0
TPSectorType2=0
TPRadius2=500
TPAngle2=90
TPAltitude2=2300
TPWidth2=0
TPHeight2=0
TPAzimuth2=0
TPName3=Orla church
TPPosX3=76250
TPPosY3=131000.25
TPPosZ3=980
TPAirport3=0
TPSectorType3=0
TPRadius3=500
TPAngle3=90
TPAltitude3=2100
TPWidth3=0
TPHeight3=0
TPAzimuth3=0
TPName4=Brenvale finish
TPPosX4=100250.5
TPPosY4=80120.25
TPPosZ4=452
TPAirport4=1
TPSectorType4=0
TPRadius4=3000
TPAngle4=360
TPAltitude4=1500
TPWidth4=0
TPHeight4=0
TPAzimuth4=0
PZCount=1
PZPos0X0=110000
PZPos0Y0=95000
PZPos1X0=114000.5
PZPos1Y0=95000
PZPos2X0=114000.5
PZPos2Y0=99500.25
PZPos3X0=110000
PZPos3Y0=99500.25
PZBase0=0
PZTop0=1500.6
PZPenaltyTimeFactor0=2

[Weather]
WindDir=250
WindSpeed=4.5
WindUpperSpeed=9
WindDirVariation=10
WindSpeedVariation=2
WindTurbulence=1
ThermalsTemp=24.5
ThermalsTempVariation=1
ThermalsDew=11
ThermalsStrength=3
ThermalsStrengthVariation=1
ThermalsInversionheight=2100
ThermalsOverdevelopment=0
ThermalsWidth=2
ThermalsWidthVariation=1
ThermalsActivity=3
ThermalsActivityVariation=1
ThermalsTurbulence=1
ThermalsFlatsActivity=2
ThermalsStreeting=1
ThermalsBugs=1
WavesStability=2
WavesMoisture=1
HighCloudsCoverage=1
Pressure=1016.5

[Plane]
Class=Standard
Name=Trainer 15
Skin=Default
Water=80
FixedMass=0
CGBias=0
Seat=1
Bugwipers=1

[GameOptions]
TaskDate=46210
StartTime=12.5
StartTimeWindow=0.5
RaceStartDelay=0
IconsVisibleRange=10
ThermalHelpersRange=0
TurnpointHelpersRange=10
AllowBugwipers=1
AllowPDA=1
AllowRealtimeScoring=1
AllowExternalView=1
AllowPadlockView=1
AllowSmoke=1
AllowPlaneRecovery=0
AllowHeightRecovery=0
AllowMidairCollisionRecovery=1
PenaltyCloudFlying=0
PenaltyPlaneRecovery=0
PenaltyHeightRecovery=0
PenaltyWrongWindowEnterance=0
PenaltyWindowCollision=0
PenaltyAirspaceEnterance=0
PenaltyPenaltyZoneEnterance=0
PenaltyThermalHelpers=0
MaxStartGroundSpeed=0
PenaltyStartSpeed=0
PenaltyHighStart=0
PenaltyLowFinish=0
RandSeed=4242
StartType=1
StartHeight=1000
BreakProb=0
RopeLength=60
MaxWingLoading=0
MaxTeams=0
AcroFlight=0

[Description]
Text=Brenvale triangle, 3 turnpoints
Penalty zone over the lake: stay below 1500 m.
"""

OUT_AND_RETURN = """[Version]
Condor version=2350

[Task]
Landscape=Brenvale
Count=3
TPName0=Lakeside strip
TPPosX0=88500
TPPosY0=70250.5
TPPosZ0=395
TPAirport0=1
TPSectorType0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=0
TPAzimuth0=0
TPName1=Fennberg summit
TPPosX1=131250.25
TPPosY1=140500
TPPosZ1=2210
TPAirport1=0
TPSectorType1=0
TPRadius1=1000
TPAngle1=90
TPAltitude1=2500
TPWidth1=0
TPHeight1=0
TPAzimuth1=0
TPName2=Lakeside strip
TPPosX2=88500
TPPosY2=70250.5
TPPosZ2=395
TPAirport2=1
TPSectorType2=0
TPRadius2=1500
TPAngle2=360
TPAltitude2=1500
TPWidth2=0
TPHeight2=0
TPAzimuth2=0
PZCount=0

[Weather]
WindDir=180
WindSpeed=2
WindUpperSpeed=6
ThermalsTemp=19
ThermalsDew=8.5
ThermalsStrength=2
ThermalsInversionheight=1800.4
Pressure=1009

[Plane]
Class=Club
Name=Club Trainer
Skin=Default
Water=0
FixedMass=5
CGBias=0
Seat=1
Bugwipers=0

[GameOptions]
TaskDate=46215
StartTime=13
StartTimeWindow=0
AllowPDA=1
AllowExternalView=1
MaxStartGroundSpeed=150
RandSeed=17
StartType=0
StartHeight=800
RopeLength=40

[Description]
Text=Out and return to the Fennberg
"""

if __name__ == "__main__":
    main()
