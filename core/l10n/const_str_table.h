// The translatable string table: one row per text the program shows from code.
// CONST_STR(name, "English text") declares a changeable QString const_str::name that holds the
// English text at start and its translation after the one translation pass of the run.
// This file has no include guard on purpose: it is expanded more than once.
//
// Keep rows grouped by the folder that uses them.

// link/
CONST_STR(Error, "Error")
CONST_STR(ready, "ready")
CONST_STR(NoCommunicationLine1, "Kommunikation mit dem Fahrzeug ist nicht möglich.")
CONST_STR(NoCommunicationLine2, "Initialisieren Sie das Interface neu.")

// link/ connection (lines of the init-Status list and the status strip)
CONST_STR(Port, "Port")
CONST_STR(CouldNotBeOpened, "could not be opened!")
CONST_STR(NoSerialPortFound, "No serial port found")
CONST_STR(ResponseFromInterface, "response from interface")
CONST_STR(EchoOff, "Echo off")
CONST_STR(LfOff, "LF off")
CONST_STR(ChipVersionLine, "Chip Version")
CONST_STR(Interface, "Interface")
CONST_STR(InterfaceNotResponding, "Interface is not responding")
CONST_STR(InterfaceReady, "Interface is ready")
CONST_STR(EcuConnectionOk, "Connection to ECU: OK")
CONST_STR(Mode01Init, "Mode 01 Init, Current Diagnostic Data")
CONST_STR(Mode02Init, "Mode 02 Init, Freeze Frame Data")
CONST_STR(Mode03Init, "Mode 03 Init, Diagnostic Trouble Codes")
CONST_STR(Mode05Init, "Mode 05 Init, Oxygen Sensor Monitoring Test Results")
CONST_STR(Mode06Init, "Mode 06 Init, On-Board Monitoring Test Results")
CONST_STR(Mode07Init, "Mode 07 Init, Pending Diagnostic Trouble Codes")
CONST_STR(Mode08Init, "Mode 08 Init, Control of On-Board System")
CONST_STR(Mode09Init, "Mode 09 Init, Vehicle Information")
CONST_STR(EcuConnectionAborted, "ECU connection aborted")
CONST_STR(ElmConnectionAborted, "ELM connection aborted")
CONST_STR(ComPortClosed, "COM Port closed")
CONST_STR(ComUnknown, "COM?")
CONST_STR(Initializing, "Initializing...")
CONST_STR(NotConnected, "Not connected")
CONST_STR(StepFailed, "failed")
CONST_STR(StepNotSupported, "not supported by this vehicle")
CONST_STR(NoAnswer, "no answer")
CONST_STR(DemoNoPort, "Demo-Mode: no port opened")
CONST_STR(ConnectionStopped, "Connection stopped")
CONST_STR(BaudRate, "Baud rate")
CONST_STR(NoUsualSpeed, "The interface does not answer at any usual speed (tried %1 baud)")
CONST_STR(ResetNotAnswered, "The interface answers ATI but not its reset (ATZ)")
CONST_STR(UnitsNotToldApart, "Control units not told apart")

// link/ elm327 (init-Status lines only an ELM327 interface gets)
CONST_STR(AutomaticProtocolSearch, "Automatic protocol search")
CONST_STR(ProtocolSetInInterface, "Protocol set in the interface")
CONST_STR(ProtocolNumber, "Protocol")
CONST_STR(ProtocolChosenInOptions, "Protocol chosen in the options")
CONST_STR(ChipTimeout, "Answer time-out")

// j1979/
CONST_STR(NotAvailable, "N/A")
CONST_STR(NotAHexNumber, "'%1' is not a valid hexadecimal number")
CONST_STR(Pid00Name, "supported PID’s")
CONST_STR(Pid01Name, "Monitor status since DTCs cleared")
CONST_STR(Pid02Name, "Trouble Codes")
CONST_STR(Pid03Name, "Fuel system status")
CONST_STR(Pid04Name, "Calculated Load Value")
CONST_STR(Pid05Name, "Engine Coolant Temperature")
CONST_STR(Pid06Name, "Short Term Fuel Trim - Bank 1")
CONST_STR(Pid07Name, "Long Term Fuel Trim - Bank 1")
CONST_STR(Pid08Name, "Short Term Fuel Trim - Bank 2")
CONST_STR(Pid09Name, "Long Term Fuel Trim - Bank 2")
// Also the name of PID 23.
CONST_STR(Pid0AName, "Fuel Rail Pressure")
CONST_STR(Pid0BName, "Intake Manifold Absolute Pressure")
CONST_STR(Pid0CName, "Engine RPM")
CONST_STR(Pid0DName, "Vehicle Speed")
CONST_STR(Pid0EName, "Ignition Timing Advance for #1 Cylinder")
CONST_STR(Pid0FName, "Intake Air Temperature")
CONST_STR(Pid10Name, "Air Flow Rate")
CONST_STR(Pid11Name, "Absolute Throttle Position")
CONST_STR(Pid12Name, "Commanded Secondary Air Status")
// Also the name of PID 1D.
CONST_STR(Pid13Name, "O2 Sensor Location")
CONST_STR(Pid14Name, "O2 Sensor Bank 1 Sensor 1")
CONST_STR(Pid15Name, "O2 Sensor Bank 1 Sensor 2")
CONST_STR(Pid16Name, "O2 Sensor Bank 1 Sensor 3")
CONST_STR(Pid17Name, "O2 Sensor Bank 1 Sensor 4")
CONST_STR(Pid18Name, "O2 Sensor Bank 2 Sensor 1")
CONST_STR(Pid19Name, "O2 Sensor Bank 2 Sensor 2")
CONST_STR(Pid1AName, "O2 Sensor Bank 2 Sensor 3")
CONST_STR(Pid1BName, "O2 Sensor Bank 2 Sensor 4")
CONST_STR(Pid1CName, "OBD type")
CONST_STR(Pid1EName, "Power Take Off Status")
CONST_STR(Pid1FName, "Time Since Engine Start")
CONST_STR(Pid20Name, "PIDs Supported 21-40")
CONST_STR(Pid21Name, "Distance Travelled While MIL is Activated")
CONST_STR(Pid22Name, "Fuel Rail Pressure relative to manifold vacuum")
CONST_STR(Pid24Name, "Bank 1 – Sensor 1 (wide range O2S)")
CONST_STR(Pid25Name, "Bank 1 – Sensor 2 (wide range O2S)")
CONST_STR(Pid26Name, "Bank 1 – Sensor 3 (wide range O2S)")
CONST_STR(Pid27Name, "Bank 1 – Sensor 4 (wide range O2S)")
CONST_STR(Pid28Name, "Bank 2 – Sensor 1 (wide range O2S)")
CONST_STR(Pid29Name, "Bank 2 – Sensor 2 (wide range O2S)")
CONST_STR(Pid2AName, "Bank 2 – Sensor 3 (wide range O2S)")
CONST_STR(Pid2BName, "Bank 2 – Sensor 4 (wide range O2S)")
CONST_STR(Pid2CName, "Commanded EGR")
CONST_STR(Pid2DName, "EGR Error")
CONST_STR(Pid2EName, "Commanded Evaporative Purge")
CONST_STR(Pid2FName, "Fuel Level Input")
CONST_STR(Pid30Name, "Number of warm-ups since diagnostic trouble codes cleared")
CONST_STR(Pid31Name, "Distance since diagnostic trouble codes cleared")
CONST_STR(Pid32Name, "Evap System Vapor Pressure")
CONST_STR(Pid33Name, "Barometric Pressure")
CONST_STR(Pid34Name, "Bank 1 - Sensor 1 (wide range O2S)")
CONST_STR(Pid35Name, "Bank 1 - Sensor 2 (wide range O2S)")
CONST_STR(Pid36Name, "Bank 1 - Sensor 3 (wide range O2S)")
CONST_STR(Pid37Name, "Bank 1 - Sensor 4 (wide range O2S)")
CONST_STR(Pid38Name, "Bank 2 - Sensor 1 (wide range O2S)")
CONST_STR(Pid39Name, "Bank 2 - Sensor 2 (wide range O2S)")
CONST_STR(Pid3AName, "Bank 2 - Sensor 3 (wide range O2S)")
CONST_STR(Pid3BName, "Bank 2 - Sensor 4 (wide range O2S)")
CONST_STR(Pid3CName, "Catalyst Temperature Bank 1, Sensor 1")
CONST_STR(Pid3DName, "Catalyst Temperature Bank 2, Sensor 1")
CONST_STR(Pid3EName, "Catalyst Temperature Bank 1, Sensor 2")
CONST_STR(Pid3FName, "Catalyst Temperature Bank 2, Sensor 2")
CONST_STR(Pid40Name, "PIDs Supported 41-60")
CONST_STR(Pid41Name, "Monitor status this driving cycle")
CONST_STR(Pid42Name, "Control module voltage")
CONST_STR(Pid43Name, "Absolute Load Value")
CONST_STR(Pid44Name, "Commanded Equivalence Ratio")
CONST_STR(Pid45Name, "Relative Throttle Position")
CONST_STR(Pid46Name, "Ambient air temperature")
CONST_STR(Pid47Name, "Absolute Throttle Position B")
CONST_STR(Pid48Name, "Absolute Throttle Position C")
CONST_STR(Pid49Name, "Accelerator Pedal Position D")
CONST_STR(Pid4AName, "Accelerator Pedal Position E")
CONST_STR(Pid4BName, "Accelerator Pedal Position F")
CONST_STR(Pid4CName, "Commanded Throttle Actuator Control")
CONST_STR(Pid4DName, "Minutes run by the engine while MIL activated")
CONST_STR(Pid4EName, "Time since diagnostic trouble codes cleared")
CONST_STR(UnitPercent, "%")
CONST_STR(UnitCelsius, "°C")
CONST_STR(UnitFahrenheit, "°F")
CONST_STR(UnitKilopascal, "kPa")
CONST_STR(UnitPsi, "psi")
CONST_STR(UnitRevsPerMinuteMetric, "U/min")
CONST_STR(UnitRevsPerMinute, "rpm")
CONST_STR(UnitKmPerHour, "km/h")
CONST_STR(UnitMilesPerHour, "mph")
CONST_STR(UnitDegree, "°")
CONST_STR(UnitGramsPerSecond, "g/s")
CONST_STR(UnitPoundsPerMinute, "lb/min")
CONST_STR(UnitVolt, "V")
CONST_STR(UnitKilometre, "km")
CONST_STR(UnitMiles, "miles")
CONST_STR(UnitPascal, "Pa")
CONST_STR(UnitInchesOfWater, "H2O")
CONST_STR(UnitInchesOfMercury, "inHg")
CONST_STR(UnitLambdaMilliamp, "L - mA")
CONST_STR(UnitMilliamp, "mA")
CONST_STR(UnitMinutes, "min")
CONST_STR(UnitSeconds, "s")
// The fuel trim an oxygen sensor's value text carries behind its voltage.
CONST_STR(O2SensorTrim, "trim")
CONST_STR(ObdType1, "OBD II (California ARB)")
CONST_STR(ObdType2, "OBD (Federal EPA)")
CONST_STR(ObdType3, "OBD and OBD II")
CONST_STR(ObdType4, "OBD I")
CONST_STR(ObdType5, "Not OBD compliant")
CONST_STR(ObdType6, "EOBD")
CONST_STR(ObdType7, "EOBD and OBD II")
CONST_STR(ObdType8, "EOBD and OBD")
CONST_STR(ObdType9, "EOBD, OBD and OBD II")
CONST_STR(ObdType10, "JOBD")
CONST_STR(ObdType11, "JOBD and OBD II")
CONST_STR(ObdType12, "JOBD and EOBD")
CONST_STR(ObdType13, "JOBD, EOBD, and OBD II")
CONST_STR(O2Location11, "O2 location 1-1")
CONST_STR(O2Location12, "O2 location 1-2")
CONST_STR(O2Location13, "O2 location 1-3")
CONST_STR(O2Location14, "O2 location 1-4")
CONST_STR(O2Location21, "O2 location 2-1")
CONST_STR(O2Location22, "O2 location 2-2")
CONST_STR(O2Location23, "O2 location 2-3")
CONST_STR(O2Location24, "O2 location 2-4")
CONST_STR(FuelSystemOpenLoop, "open loop")
CONST_STR(FuelSystemClosedLoop, "closed loop")
CONST_STR(FuelSystemOpenLoopDriving, "open loop driving")
CONST_STR(FuelSystemOpenLoopFault, "open loop fault")
CONST_STR(FuelSystemClosedLoopFault, "closed loop fault")
CONST_STR(FuelSystemReserved, "reserved")
CONST_STR(SecondaryAirUpstream, "air upstream cat")
CONST_STR(SecondaryAirDownstream, "air downstream cat")
CONST_STR(SecondaryAirOff, "air off")
CONST_STR(SecondaryAirReserved, "air reserved")
CONST_STR(PowerTakeOffOn, "on")
CONST_STR(PowerTakeOffOff, "off")
// %1 is "MIL on" or "MIL off", %2 the number of stored trouble codes.
CONST_STR(MilOn, "MIL on")
CONST_STR(MilOff, "MIL off")
CONST_STR(MilAndCodeCount, "%1, DTCs: %2")
// %1 monitors completed of %2 monitors enabled in this driving cycle.
CONST_STR(MonitorsCompleted, "%1 of %2 complete")
CONST_STR(TroubleCodesCleared,
          "Trouble codes cleared successfully. Permanent trouble codes stay until the monitors "
          "that set them have run and passed.")
CONST_STR(TroubleCodesNotCleared, "Trouble codes could not be cleared!")
CONST_STR(O2Test01, "Rich to lean sensor threshold voltage (constant)")
CONST_STR(O2Test02, "Lean to rich sensor threshold voltage (constant)")
CONST_STR(O2Test03, "Low sensor voltage for switch time calculation (constant)")
CONST_STR(O2Test04, "High sensor voltage for switch time calculation (constant)")
CONST_STR(O2Test05, "Rich to lean sensor switch time (calculated)")
CONST_STR(O2Test06, "Lean to rich sensor switch time (calculated)")
CONST_STR(O2Test07, "Minimum sensor voltage for test cycle (calculated)")
CONST_STR(O2Test08, "Maximum sensor voltage for test cycle (calculated)")
CONST_STR(O2Test09, "Time between sensor transitions (calculated)")
CONST_STR(O2Test0A, "Sensor period (calculated)")

// app/
CONST_STR(BadLangFlDllLoad, "Bad lang_fl.dll Load")
CONST_STR(RestartForLanguage, "You must restart OBD-II Quorvane for this change to take effect.")
// Followed by a line break and the path last tried.
CONST_STR(HelpFileNotFound, "Help file not found")
// A second start whose first instance is out of the user's sight (another display or session).
CONST_STR(AlreadyRunningElsewhere,
          "OBD-II Quorvane is already running for this user, and its window could not be brought "
          "to this display. Close it there first.")

// pages/ (the grid headings are set by the translation pass)
CONST_STR(GridS, "S")
CONST_STR(GridPID, "PID")
CONST_STR(GridSensor, "Sensor")
CONST_STR(GridValue, "Value")
CONST_STR(GridDescription, "Description")
CONST_STR(GridMin, "Min")
CONST_STR(GridMax, "Max")
CONST_STR(Yes, "Yes")
CONST_STR(No, "No")
CONST_STR(NoStoredCodes, "No emission related trouble codes stored in ECU")
CONST_STR(NoFreezeFrame, "No freeze frame information available")
// One message of several lines; the page asks Yes, No or Cancel before any clearing request.
CONST_STR(ClearCodesWarning, "WARNING!!!\n\nAre you sure?\n\n"
                             "This will clear all emission-related diagnostic information.\n"
                             "This includes:\n"
                             "- Number of diagnostic trouble codes\n"
                             "- Diagnostic trouble codes\n"
                             "- Trouble code for freeze frame data\n"
                             "- Freeze frame data\n"
                             "- Oxygen sensor test data\n"
                             "- Status of system monitoring tests\n"
                             "- On-board monitoring test results\n"
                             "- Distance travelled while MIL is activated\n"
                             "- Number of warm-ups since DTC cleared\n"
                             "- Distance since diagnostic trouble codes cleared\n"
                             "- Minutes run by the engine while MIL activated\n"
                             "- Time since diagnostic trouble codes cleared")
// Captions of the oxygen-sensor diagram, at its top and bottom.
CONST_STR(O2CaptionRich, "Rich")
CONST_STR(O2CaptionLean, "Lean")

// livedata/
CONST_STR(LostCommunication, "Lost communication!!!")
CONST_STR(SpeedAboveZero, "Speed is > 0")
// Shown on a dashboard display whose entry is switched off.
CONST_STR(DisplayOff, "OFF")
// Word of the terminal transcript's request line ("Mode: 01 PID: 0C").
CONST_STR(TerminalMode, "Mode")
// %1 is the folder's full path (".../graphs", ".../logfiles").
CONST_STR(DirectoryNotCreated, "Directory \"%1\" can not be created")

// report/ (labels of the report document, each followed by a colon there)
CONST_STR(ReportDateTime, "Date/Time")
CONST_STR(ReportMake, "Marke")
CONST_STR(ReportModel, "Model")
CONST_STR(ReportYear, "Year")
CONST_STR(ReportVin, "VIN")

// faultcodes/
// Not translated (see const_str::isUntranslated).
CONST_STR(BadLanguageDllLoad, "Bad language.dll Load")
CONST_STR(NotLzhCompressed, "Not LZH Compressed !")
CONST_STR(DecompressionSizeMismatch, "Decompression Error: Size Mismatch !")
CONST_STR(CrcDecompressionError, "CRC Decompression Error !")
CONST_STR(LzhNoMemory, "LZH : Cannot get memory for dictionary tables")
CONST_STR(FaultResourceMissing, "The language module holds no fault-code table (resource FAULT)")
CONST_STR(FaultTableUnreadable, "The fault-code table of the language module is not readable")

// cli/ (the same words as the windows, so the catalogues translate them already)
CONST_STR(CliMilStatus, "MIL Status:")
CONST_STR(CliOn, "On")
CONST_STR(CliOff, "Off")
CONST_STR(CliStoredDtcs, "Stored DTCs")
CONST_STR(CliPendingDtcs, "Pending DTCs")
CONST_STR(CliPermanentDtcs, "Permanent DTCs")
CONST_STR(CliObdType, "OBD Type")
CONST_STR(CliVin, "VIN")
CONST_STR(CliCid, "CID")
CONST_STR(CliCvn, "CVN")
CONST_STR(CliSupported, "Supported")
CONST_STR(CliCompleted, "Completed")
CONST_STR(CliMisfire, "Misfire:")
CONST_STR(CliFuelSystem, "Fuel system:")
CONST_STR(CliComponents, "Components:")
CONST_STR(CliCatalyst, "Catalyst:")
CONST_STR(CliEvaporativeSystem, "Evaporative system:")
CONST_STR(CliOxygenSensor, "Oxygen sensor:")
CONST_STR(CliOxygenSensorHeater, "Oxygen sensor heater:")
// The further monitors of the answer to 0101 and 0141, by ignition type
CONST_STR(MonitorHeatedCatalyst, "Heated catalyst:")
CONST_STR(MonitorSecondaryAir, "Secondary air system:")
CONST_STR(MonitorAirConditioning, "A/C refrigerant:")
CONST_STR(MonitorExhaustGasRecirculation, "EGR and/or VVT system:")
CONST_STR(MonitorNmhcCatalyst, "NMHC catalyst:")
CONST_STR(MonitorNoxAftertreatment, "NOx/SCR aftertreatment:")
CONST_STR(MonitorBoostPressure, "Boost pressure:")
CONST_STR(MonitorExhaustGasSensor, "Exhaust gas sensor:")
CONST_STR(MonitorParticulateFilter, "PM filter:")
CONST_STR(IgnitionCaption, "Ignition:")
CONST_STR(SparkIgnition, "Spark ignition")
CONST_STR(CompressionIgnition, "Compression ignition")
CONST_STR(ThisDriveCycle, "This drive cycle")
CONST_STR(FurtherMonitors, "Further monitors")
CONST_STR(CliFreezeFrames, "Freeze Frames")
CONST_STR(CliManufacturer, "Manufacturer")
CONST_STR(CliNoDefinition, "No definition is available for this code")

// link/ network adapters (port names of the form tcp://HOST:PORT)
CONST_STR(NetworkAddressInvalid, "%1 is not a network address of the form tcp://HOST:PORT")
CONST_STR(NetworkHostUnknown, "The host name %1 is unknown")
CONST_STR(NetworkConnectionRefused,
          "%1 refused the connection: is the adapter switched on, and is this its port?")
CONST_STR(NetworkUnreachable, "%1 cannot be reached: is this computer on the adapter's network?")
CONST_STR(NetworkConnectTimeout, "%1 did not accept the connection within %2 seconds")
CONST_STR(NetworkConnectFailed, "Cannot connect to %1: %2")
CONST_STR(NetworkConnectionDropped, "The connection to %1 was dropped")

// connection/, pages/, cli/ (a reading that failed, shown as such and never as a result)
CONST_STR(TroubleCodesNotRead, "Trouble codes could not be read")
CONST_STR(PermanentCodesNotRead, "Permanent trouble codes could not be read")
CONST_STR(PermanentCodesNotSupported, "This vehicle does not support permanent trouble codes")
CONST_STR(NoPermanentCodes, "No permanent trouble codes stored in ECU")
CONST_STR(FreezeFrameNotRead, "Freeze frame could not be read")
CONST_STR(O2TestsNotRead, "Oxygen-sensor tests could not be read")
CONST_STR(MonitorResultsNotRead, "Monitor test results could not be read")
CONST_STR(MonitorResultsIncomplete, "Not every monitor test result could be read")
CONST_STR(O2TestsThroughService06,
          "This vehicle reports its oxygen-sensor monitors through service 06 (on-board "
          "monitoring test results); it has no oxygen-sensor tests of service 05. The page "
          "Monitor Tests shows them.")
CONST_STR(MonitorTestsNotRead, "Monitor tests could not be read")
// %1 failed tests of %2 read.
CONST_STR(MonitorTestsOutsideLimits, "%1 of %2 tests outside their limits")
// %1 tests read, none failed.
CONST_STR(MonitorTestsWithinLimits, "All %1 tests within their limits")
// Follows the line above: %1 tests that gave no verdict.
CONST_STR(MonitorTestsUnread, "%1 not read")
CONST_STR(InterfaceLost, "Connection to the interface lost")
CONST_STR(CommLogNotOpened,
          "The communication log could not be opened; communication logging stays off.")
CONST_STR(RecordingNotStarted, "The session could not be recorded:")
CONST_STR(RecordingInto, "Recording the session into %1")
CONST_STR(SettingsNotReadable,
          "The settings file could not be read; the program starts with the standard settings:")
// %1 is the path of the copy.
CONST_STR(SettingsDamagedCopyKept, "The damaged file is kept as %1")
// %1 is the catalogue's path, %2 the reason.
CONST_STR(CatalogueRefused,
          "The message catalogue %1 could not be used (%2); the texts stay English.")

// report/ (writing, formatting and exporting the diagnostic report)
// %1 is the file's path, %2 the system's reason.
CONST_STR(FileNotWritten, "The file \"%1\" could not be written: %2")
// The reason given when a device, a fifo, a socket or a directory has the name a file was to get.
CONST_STR(NotARegularFile, "something other than a regular file has that name")
// %1 is the report's full path.
CONST_STR(ReportSaved, "The report was saved as \"%1\".")
// %1 is the full path of the stylesheet beside the report, a file the program did not write.
CONST_STR(StylesheetKept, "The stylesheet \"%1\" was not written by this program and was kept; "
                          "the report is shown with it.")
// %1 is why: a file not written, or PrinterRefused.
CONST_STR(PrintFailed, "Printing failed: %1")
CONST_STR(PrinterRefused, "the printer did not accept the document")
// The reason a file to print into cannot be made.
CONST_STR(FolderNotWritable, "its folder is missing or cannot be written")
// %1 is the stylesheet's path.
CONST_STR(StylesheetNotLoaded, "The stylesheet \"%1\" could not be loaded")
// %1 is the report's path.
CONST_STR(ReportNotReadable, "The report \"%1\" could not be read")
CONST_STR(ReportNotFormatted, "The report could not be formatted")
// File type names of the save dialogs.
CONST_STR(XmlFileType, "XML File")
CONST_STR(PdfFileType, "PDF File")
// Tool tips of the report preview's buttons.
CONST_STR(PrintReport, "Print")
CONST_STR(PreviewReport, "Print Preview")
CONST_STR(ExportPdf, "Export PDF")
CONST_STR(ReportPreviewTitle, "Report Preview")

// dialogs/ (the trouble-code search)
// The fault table's key of the codes every vehicle shares, as the maker choices show it.
CONST_STR(GenericManufacturer, "Generic")
CONST_STR(NoDefinition, "No definition is available for this code")
// faultcodes/, link/ (damaged or hostile input)
CONST_STR(FaultTableTooLarge, "The fault-code table of the language module is too large")

// livedata/ graph, dashboard and sensor files
// %1 is the file's path, %2 the system's reason.
CONST_STR(FileNotRead, "The file \"%1\" could not be read: %2")
// %1 is the file's path.
CONST_STR(SensorFileTooLarge, "The file \"%1\" is too large for a sensor list")
CONST_STR(SensorFileWithoutSensors, "The file \"%1\" holds no sensor list")
// File type names of the sensor and picture dialogs.
CONST_STR(SensorFileType, "Sensor Opions")
CONST_STR(BitmapFileType, "Bitmaps")
CONST_STR(PngFileType, "PNG pictures")
CONST_STR(SaveCaption, "Save")
// Captions of the engine-speed and load gauges.
CONST_STR(GaugeEngineSpeed, "RPM x1000")
CONST_STR(GaugeLoad, "Load %")

// livedata/ acceleration test and terminal
// %1 is what the vehicle's speed request gave ("Error", "NO DATA").
CONST_STR(SpeedNotReadable,
          "The vehicle speed could not be read (\"%1\"), so the test was not started")
// Why an acceleration run ended without a time; %1 is the limit in seconds, or what the speed
// request gave ("Error", "NO DATA").
CONST_STR(AccelerationStopped, "Stopped before the target speed")
CONST_STR(AccelerationTimeLimit, "Target speed not reached within %1 s")
CONST_STR(AccelerationSpeedUnreadable, "Vehicle speed not readable (\"%1\")")
// %1 is the text of the calculator's decimal field.
CONST_STR(NotAnIntegerNumber, "'%1' is not a valid integer value")
// Word of the terminal transcript's request line ("Mode: 01 PID: 0C").
CONST_STR(TerminalPid, "PID")
// Word of the transcript's line for a command the user typed ("Command: ATI").
CONST_STR(TerminalCommand, "Command")
CONST_STR(SaveTranscriptCaption, "Save LogData to...")

// pages/ monitor tests (the grid, its verdicts and the misfire chart; Value, Min and Max as
// the other grids)
CONST_STR(MonitorGridTest, "Test")
CONST_STR(MonitorGridUnit, "Unit")
CONST_STR(MonitorGridResult, "Result")
CONST_STR(MonitorTestPassed, "within limits")
CONST_STR(MonitorTestFailed, "outside limits")
CONST_STR(MonitorTestNotRead, "not read")
CONST_STR(MonitorTestLimitsInverted, "limits inverted")
CONST_STR(MonitorUnknownUnit, "unknown unit")
// The value of an older protocol, which sends no scaling.
CONST_STR(MonitorRawValue, "raw")
// %1 is the component's hexadecimal ID.
CONST_STR(MonitorComponent, "Component %1")
CONST_STR(MisfireChartCaption, "Misfire counts per cylinder")
CONST_STR(MisfireCurrentCycle, "current cycle")
CONST_STR(MisfireTenCycleAverage, "average of the last ten cycles")

// j1979/ monitor names (on-board monitoring); %1 is a bank, cylinder or sensor number, or an ID
CONST_STR(MidSupported, "Supported monitors %1-%2")
// %1 is the bank, %2 the sensor.
CONST_STR(MidO2Sensor, "O2 sensor monitor bank %1 sensor %2")
CONST_STR(MidO2Heater, "O2 sensor heater monitor bank %1 sensor %2")
CONST_STR(MidCatalyst, "Catalyst monitor bank %1")
CONST_STR(MidEgr, "EGR monitor bank %1")
CONST_STR(MidVvt, "VVT monitor bank %1")
CONST_STR(MidHeatedCatalyst, "Heated catalyst monitor bank %1")
CONST_STR(MidSecondaryAir, "Secondary air monitor %1")
CONST_STR(MidFuelSystem, "Fuel system monitor bank %1")
CONST_STR(MidBoostPressure, "Boost pressure control monitor bank %1")
CONST_STR(MidNoxAdsorber, "NOx adsorber monitor bank %1")
CONST_STR(MidNoxCatalyst, "NOx catalyst monitor bank %1")
CONST_STR(MidMisfireCylinder, "Misfire cylinder %1 data")
CONST_STR(MidEvapCapOff, "EVAP monitor (cap off / 0.150\")")
CONST_STR(MidEvap090, "EVAP monitor (0.090\")")
CONST_STR(MidEvap040, "EVAP monitor (0.040\")")
CONST_STR(MidEvap020, "EVAP monitor (0.020\")")
CONST_STR(MidPurgeFlow, "Purge flow monitor")
CONST_STR(MidMisfireGeneral, "Misfire monitor general data")
CONST_STR(MidPmFilter, "PM filter monitor bank %1")
CONST_STR(MidManufacturer, "Manufacturer monitor %1")
CONST_STR(MidOther, "Monitor %1")
CONST_STR(Tid01, "Rich to lean sensor threshold voltage")
CONST_STR(Tid02, "Lean to rich sensor threshold voltage")
CONST_STR(Tid03, "Low sensor voltage for switch time calculation")
CONST_STR(Tid04, "High sensor voltage for switch time calculation")
CONST_STR(Tid05, "Rich to lean sensor switch time")
CONST_STR(Tid06, "Lean to rich sensor switch time")
CONST_STR(Tid07, "Minimum sensor voltage for test cycle")
CONST_STR(Tid08, "Maximum sensor voltage for test cycle")
CONST_STR(Tid09, "Time between sensor transitions")
CONST_STR(Tid0A, "Sensor period")
CONST_STR(Tid0B, "Average misfire counts for the last ten driving cycles")
CONST_STR(Tid0C, "Misfire counts for the last or current driving cycle")
CONST_STR(TidManufacturer, "Manufacturer test %1")
CONST_STR(TidOther, "Test %1")
CONST_STR(UnitEngine, "Engine")
CONST_STR(UnitTransmission, "Transmission")
CONST_STR(UnitOther, "Unit %1")
CONST_STR(VehicleAddress, "Address")
CONST_STR(VehicleUnitName, "Name")
CONST_STR(VehicleCalibrationIds, "Calibration IDs")
CONST_STR(VehicleCvns, "CVNs")
CONST_STR(VehicleLamp, "MIL")
CONST_STR(VehicleReadiness, "Readiness")
CONST_STR(VehicleReadinessCount, "%1 of %2 monitors complete")
CONST_STR(VehicleNoMonitors, "no readiness monitors")
CONST_STR(VehicleControlUnit, "Control unit")
CONST_STR(VehicleMonitor, "Monitor")
CONST_STR(VehicleCompletions, "Completions")
CONST_STR(VehicleConditions, "Conditions met")
CONST_STR(VehicleRatio, "Ratio")
CONST_STR(VehicleInUseCounters, "%1: general conditions met %2 times, %3 ignition cycles")
CONST_STR(VehicleRatiosNotAnswered, "%1: the in-use performance ratios could not be read")
CONST_STR(VehicleRatiosGarbled,
          "%1: the in-use performance ratios could not be read: the answer is garbled")
CONST_STR(VehicleRatiosOddCount,
          "%1: the in-use performance ratios could not be read: the counters do not come in pairs")
CONST_STR(VehicleNameNotRead, "%1: its name could not be read")
CONST_STR(VehicleNoUnits, "No control unit has been read yet.")
CONST_STR(VehicleUnitsMerged,
          "The control units could not be told apart: their answers are shown together.")
CONST_STR(IuprCatalyst1, "Catalyst bank 1")
CONST_STR(IuprCatalyst2, "Catalyst bank 2")
CONST_STR(IuprOxygen1, "Oxygen sensor bank 1")
CONST_STR(IuprOxygen2, "Oxygen sensor bank 2")
CONST_STR(IuprEgrVvt, "EGR and/or VVT")
CONST_STR(IuprSecondaryAir, "Secondary air")
CONST_STR(IuprEvaporative, "Evaporative system")
CONST_STR(IuprSecondaryOxygen1, "Secondary oxygen sensor bank 1")
CONST_STR(IuprSecondaryOxygen2, "Secondary oxygen sensor bank 2")
CONST_STR(IuprNmhc, "NMHC catalyst")
CONST_STR(IuprNoxScr, "NOx/SCR catalyst")
CONST_STR(IuprNoxAdsorber, "NOx adsorber")
CONST_STR(IuprParticulate, "Particulate filter")
CONST_STR(IuprExhaustSensor, "Exhaust gas sensor")
CONST_STR(IuprBoost, "Boost pressure")
CONST_STR(IuprFurther, "Further monitor %1")
