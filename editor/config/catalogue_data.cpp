// The fixed knowledge of sections, keys, captions and row orders. Captions are exact, misspellings
// included: hint files are looked up by them.
#include "editor/config/catalogue_data.h"

namespace rivetbench::config::data {

// One table row per line reads best here.
// clang-format off
namespace {
constexpr RowDef kVariationRows[] = {
    {"Title", "title", "title"},
    {"Type", "ui_type", "ui_type"},
    {"Manufacturer", "ui_manufacturer", "ui_manufacturer"},
    {"Variation", "ui_variation", "ui_variation"},
    {"Type Role", "ui_typerole", "ui_typerole"},
    {"Created By", "ui_createdby", "ui_createdby"},
    {"Airfile", "sim", "sim"},
    {"Model", "model", "model"},
    {"Texture", "texture", "texture"},
    {"Panel", "panel", "panel"},
    {"Sound", "sound", "sound"},
    {"Checklist", "kb_checklists", "kb_checklists"},
    {"Reference", "kb_reference", "kb_reference"},
    {"ATC ID", "atc_id", "atc_id"},
    {"ATC ID Color", "atc_id_colour", "atc_id_colour"},
    {"ATC Model", "atc_model", "atc_model"},
    {"ATC Parking Types", "atc_parking_types", "atc_parking_types"},
    {"ATC Heavy", "atc_heavy", "atc_heavy"},
    {"ATC Airline", "atc_airline", "atc_airline"},
    {"ATC Flight Number", "atc_flight_number", "atc_flight_number"},
    {"Visual Damage", "visual_damage", "visual_damage"},
    {"Prop Animation Ratio", "prop_anim_ratio", "prop_anim_ratio"},
};
constexpr RowDef kFlapRows[] = {
    {"Type of Flap", "type", "type"},
    {"Span Outboard", "span-outboard", "span-outboard"},
    {"Extending Time", "extending-time", "extending-time"},
    {"Damaging Speed", "damaging-speed", "damaging-speed"},
    {"Blowout Speed", "blowout-speed", "blowout-speed"},
    {"Lift Scalar", "lift_scalar", "lift_scalar"},
    {"Drag Scalar", "drag_scalar", "drag_scalar"},
    {"Pitch Scalar", "pitch_scalar", "pitch_scalar"},
    {"System Type", "system_type", "system_type"},
};
constexpr FamilyDef kFlapFamilies[] = {
    {"flaps-position.", "Flaps Position - "},
};
constexpr RowDef kGeneralRows[] = {
    {"ATC Type", "atc_type", "atc_type"},
    {"ATC Model", "atc_model", "atc_model"},
    {"Category", "category", "category"},
};
constexpr RowDef kKeyboardRows[] = {
    {"Elevator Sensitivity Speeds", "elevator", "elevator"},
    {"Aileron Sensitivity Speeds", "aileron", "aileron"},
    {"Rudder Sensitivity Speeds", "rudder", "rudder"},
};
constexpr RowDef kRefSpeedsRows[] = {
    {"Flaps Up Stall Speed", "flaps_up_stall_speed", "flaps_up_stall_speed"},
    {"Full Flaps Stall Speed", "full_flaps_stall_speed", "full_flaps_stall_speed"},
    {"Cruise Speed", "cruise_speed", "cruise_speed"},
    {"Max Indicated Airpeed", "max_indicated_speed", "max_indicated_speed"},
    {"Max Mach Speed", "max_mach", "max_mach"},
};
constexpr RowDef kFlightRows[] = {
    {"Elevator Effectiveness", "elevator_effectiveness", "elevator_effectiveness"},
    {"Aileron Effectiveness", "aileron_effectiveness", "aileron_effectiveness"},
    {"Rudder Effectiveness", "rudder_effectiveness", "rudder_effectiveness"},
    {"Elevator Trim Effectiveness", "elevator_trim_effectiveness", "elevator_trim_effectiveness"},
    {"Aileron Trim Effectiveness", "aileron_trim_effectiveness", "aileron_trim_effectiveness"},
    {"Rudder Trim Effectiveness", "rudder_trim_effectiveness", "rudder_trim_effectiveness"},
    {"Pitch Stability", "pitch_stability", "pitch_stability"},
    {"Roll Stability", "roll_stability", "roll_stability"},
    {"Yaw Stability", "yaw_stability", "yaw_stability"},
    {"Cruise Lift Scalar", "cruise_lift_scalar", "cruise_lift_scalar"},
    {"Hi Alpha On Roll", "hi_alpha_on_roll", "hi_alpha_on_roll"},
    {"Hi Alpha On Yaw", "hi_alpha_on_yaw", "hi_alpha_on_yaw"},
    {"P-Factor On Yaw", "p_factor_on_yaw", "p_factor_on_yaw"},
    {"Torque On Roll", "torque_on_roll", "torque_on_roll"},
    {"Gyro Precession On Pitch", "gyro_precession_on_pitch", "gyro_precession_on_pitch"},
    {"Gyro Precession On Yaw", "gyro_precession_on_yaw", "gyro_precession_on_yaw"},
    {"Parasite Drag Scalar", "parasite_drag_scalar", "parasite_drag_scalar"},
    {"Induced Drag Scalar", "induced_drag_scalar", "induced_drag_scalar"},
};
constexpr RowDef kViewsDataRows[] = {
    {"Eyepoint", "eyepoint", "eyepoint"},
    {"Zoom", "zoom", "zoom"},
};
constexpr RowDef kFuelRows[] = {
    {"Center 1", "Center1", "Center1"},
    {"Center 2", "Center2", "Center2"},
    {"Center 3", "Center3", "Center3"},
    {"Left Main", "LeftMain", "LeftMain"},
    {"Left Aux", "LeftAux", "LeftAux"},
    {"Left Tip", "LeftTip", "LeftTip"},
    {"Right Main", "RightMain", "RightMain"},
    {"Right Aux", "RightAux", "RightAux"},
    {"Right Tip", "RightTip", "RightTip"},
    {"External 1", "External1", "External1"},
    {"External 2", "External2", "External2"},
    {"Fuel Type", "fuel_type", "fuel_type"},
    {"No. of Tank Selectors", "number_of_tank_selectors", "number_of_tank_selectors"},
    {"Electric Boost Pump", "electric_pump", "electric_pump"},
    {"Fuel Dump Rate", "fuel_dump_rate", "fuel_dump_rate"},
    {"Engine Driven Pump", "engine_drive_pump", "engine_drive_pump"},
    {"Manual Pump", "manual_pump", "manual_pump"},
    {"Anemometer Pump", "anemometer_pump", "anemometer_pump"},
};
constexpr RowDef kGenEngDataRows[] = {
    {"Engine Type", "engine_type", "engine_type"},
    {"Fuel Flow Scalar", "fuel_flow_scalar", "fuel_flow_scalar"},
    {"Min Throttle Limit", "min_throttle_limit", "min_throttle_limit"},
    {"Max Contrail Temperature", "max_contrail_temperature", "max_contrail_temperature"},
    {"Master Ignition Switch", "master_ignition_switch", "master_ignition_switch"},
    {"Starter Type", "starter_type", "starter_type"},
};
constexpr FamilyDef kGenEngDataFamilies[] = {
    {"engine.", "Engine No. "},
    {"thrustanglespitchheading.", "Thrust Angle Engine No. "},
    {"thrustanglepitchheading.", "Thrust Angle Engine No. "},
};
constexpr RowDef kPistonEngDataRows[] = {
    {"Power Scalar", "power_scalar", "power_scalar"},
    {"Cylinder Displacement", "cylinder_displacement", "cylinder_displacement"},
    {"Compression Ratio", "compression_ratio", "compression_ratio"},
    {"No. of Cylinders", "number_of_cylinders", "number_of_cylinders"},
    {"No. of Magnetos", "number_of_magnetos", "number_of_magnetos"},
    {"Max Rated RPM", "max_rated_rpm", "max_rated_rpm"},
    {"Max Rated HP", "max_rated_hp", "max_rated_hp"},
    {"Fuel Metering Type", "fuel_metering_type", "fuel_metering_type"},
    {"Cooling Type", "cooling_type", "cooling_type"},
    {"Normalized Starter Torque", "normalized_starter_torque", "normalized_starter_torque"},
    {"Turbocharged", "turbocharged", "turbocharged"},
    {"Max Design MP", "max_design_mp", "max_design_mp"},
    {"Min Design MP", "min_design_mp", "min_design_mp"},
    {"Critical Altitude", "critical_altitude", "critical_altitude"},
    {"Emergency Boost Type", "emergency_boost_type", "emergency_boost_type"},
    {"Emergency Boost MP Offset", "emergency_boost_mp_offset", "emergency_boost_mp_offset"},
    {"Emergency Boost Gain Offset", "emergency_boost_gain_offset", "emergency_boost_gain_offset"},
    {"Fuel Air Auto Mixture", "fuel_air_auto_mixture", "fuel_air_auto_mixture"},
    {"Auto Ignition", "auto_ignition", "auto_ignition"},
    {"Max RPM Mech Efficiency Scalar", "max_rpm_mechanical_efficiency_scalar", "max_rpm_mechanical_efficiency_scalar"},
    {"Idle RPM Mech Efficiency Scalar", "idle_rpm_mechanical_efficiency_scalar", "idle_rpm_mechanical_efficiency_scalar"},
    {"Max RPM Friction Scalar", "max_rpm_friction_scalar", "max_rpm_friction_scalar"},
    {"Idle RPM Friction Scalar", "idle_rpm_friction_scalar", "idle_rpm_friction_scalar"},
    {"Best Power-specific Fuel Consumption", "bestpowerspecificfuelconsumption", "bestpowerspecificfuelconsumption"},
    {"Magneto Order Left-Right-Both", "magneto_order_left_right_both", "magneto_order_left_right_both"},
    {"Two-stroke Cycle", "two_stroke_cycle", "two_stroke_cycle"},
};
constexpr RowDef kPropDataRows[] = {
    {"Thrust Scalar", "thrust_scalar", "thrust_scalar"},
    {"Propeller Type", "propeller_type", "propeller_type"},
    {"Propeller Diameter", "propeller_diameter", "propeller_diameter"},
    {"Propeller Blades", "propeller_blades", "propeller_blades"},
    {"Propeller MOI", "propeller_moi", "propeller_moi"},
    {"Beta Max", "beta_max", "beta_max"},
    {"Beta Min", "beta_min", "beta_min"},
    {"Min Governor RPM", "min_gov_rpm", "min_gov_rpm"},
    {"Prop Time Constant", "prop_tc", "prop_tc"},
    {"Gear Reduction Ratio", "gear_reduction_ratio", "gear_reduction_ratio"},
    {"Fixed Pitch Beta", "fixed_pitch_beta", "fixed_pitch_beta"},
    {"Low Speed Theory Limit", "low_speed_theory_limit", "low_speed_theory_limit"},
    {"Prop Sync Available", "prop_sync_available", "prop_sync_available"},
    {"Prop Deice Available", "prop_deice_available", "prop_deice_available"},
    {"Prop Feathering Available", "prop_feathering_available", "prop_feathering_available"},
    {"Prop Auto Feathering Available", "prop_auto_feathering_available", "prop_auto_feathering_available"},
    {"Min RPM for Feather", "min_rpm_for_feather", "min_rpm_for_feather"},
    {"Beta Feather", "beta_feather", "beta_feather"},
    {"Power Absorbed Coefficient", "power_absorbed_cf", "power_absorbed_cf"},
    {"Defeathering Accum Available", "defeathering_accumulators_available", "defeathering_accumulators_available"},
    {"Feathering Switches", "feathering_switches", "feathering_switches"},
    {"Prop Reverse Available", "prop_reverse_available", "prop_reverse_available"},
    {"Min On Ground Beta", "minimum_on_ground_beta", "minimum_on_ground_beta"},
    {"Min Reverse Beta", "minimum_reverse_beta", "minimum_reverse_beta"},
    {"No. of Propellers", "number_of_propellers", "number_of_propellers"},
    {"Engine Map", "engine_map", "engine_map"},
};
constexpr FamilyDef kPropDataFamilies[] = {
    {"propeller.", "Propeller No. "},
};
constexpr RowDef kTurbEngDataRows[] = {
    {"Fuel Flow Gain", "fuel_flow_gain", "fuel_flow_gain"},
    {"Inlet Area", "inlet_area", "inlet_area"},
    {"Rated N2 RPM", "rated_N2_rpm", "rated_N2_rpm"},
    {"Static Thrust", "static_thrust", "static_thrust"},
    {"Afterburner Available", "afterburner_available", "afterburner_available"},
    {"Reverser Available", "reverser_available", "reverser_available"},
    {"Thrust Specific Fuel Consumption", "thrustspecificfuelconsumption", "thrustspecificfuelconsumption"},
    {"Afterburn Thrust Specific Fuel Consumption", "afterburnthrustspecificfuelconsumption", "afterburnthrustspecificfuelconsumption"},
};
constexpr RowDef kJetEngDataRows[] = {
    {"Thrust Scalar - Jet", "thrust_scalar", "thrust_scalar"},
};
constexpr RowDef kTurboPropEngDataRows[] = {
    {"Power Scalar - Turbo Prop", "power_scalar", "power_scalar"},
    {"Maximum Torque", "maximum_torque", "maximum_torque"},
    {"Power-specific Fuel Consumption", "powerspecificfuelconsumption", "powerspecificfuelconsumption"},
};
constexpr RowDef kBrakesDataRows[] = {
    {"Parking Brake Available", "parking_brake", "parking_brake"},
    {"Toe Brakes Scale", "toe_brakes_scale", "toe_brakes_scale"},
    {"Differential Braking Scale", "differential_braking_scale", "differential_braking_scale"},
    {"Auto Brakes", "auto_brakes", "auto_brakes"},
    {"Hydraulic System Scalar", "hydraulic_system_scalar", "hydraulic_system_scalar"},
};
constexpr RowDef kAPGenDataRows[] = {
    {"AutoPilot Available", "autopilot_available", "autopilot_available"},
    {"Flight Director Available", "flight_director_available", "flight_director_available"},
    {"Attitude Indicator - AP", "Attitude_indicator", "Attitude_indicator"},
    {"Direction Indicator - AP", "Direction_indicator", "Direction_indicator"},
};
constexpr RowDef kAPVerticalDataRows[] = {
    {"Default Pitch Mode", "default_pitch_mode", "default_pitch_mode"},
    {"Pitch Takeoff Go-Around", "pitch_takeoff_ga", "pitch_takeoff_ga"},
    {"Max Pitch", "max_pitch", "max_pitch"},
    {"Max Pitch Acceleration", "max_pitch_acceleration", "max_pitch_acceleration"},
    {"Max Pitch Vel Lo Alt", "max_pitch_velocity_lo_alt", "max_pitch_velocity_lo_alt"},
    {"Max Pitch Vel Hi Alt", "max_pitch_velocity_hi_alt", "max_pitch_velocity_hi_alt"},
    {"Max Pitch Vel Lo Alt - BP", "max_pitch_velocity_lo_alt_breakpoint", "max_pitch_velocity_lo_alt_breakpoint"},
    {"Max Pitch Vel Hi Alt - BP", "max_pitch_velocity_hi_alt_breakpoint", "max_pitch_velocity_hi_alt_breakpoint"},
    {"Default Vertical Speed", "Default_vertical_speed", "Default_vertical_speed"},
};
constexpr RowDef kAPLateralDataRows[] = {
    {"Default Bank Mode", "default_bank_mode", "default_bank_mode"},
    {"Max Bank", "max_bank", "max_bank"},
    {"Max Bank Acceleration", "max_bank_acceleration", "max_bank_acceleration"},
    {"Max Bank Velocity", "max_bank_velocity", "max_bank_velocity"},
    {"Yaw Damper Gain", "yaw_damper_gain", "yaw_damper_gain"},
};
constexpr RowDef kAPSpeedDataRows[] = {
    {"Autothrottle Available", "Autothrottle_available", "Autothrottle_available"},
    {"Autothrottle Arming Required", "Autothrottle_arming_required", "Autothrottle_arming_required"},
    {"Autothrottle Max RPM", "Autothrottle_max_rpm", "Autothrottle_max_rpm"},
    {"Autothrottle T-Off GA", "Autothrottle_takeoff_ga", "Autothrottle_takeoff_ga"},
    {"Max Autothrottle Rate", "max_throttle_rate", "max_throttle_rate"},
};
constexpr RowDef kAPNavDataRows[] = {
    {"Nav Proportional Control", "nav_proportional_control", "nav_proportional_control"},
    {"Nav Integrator Control", "nav_integrator_control", "nav_integrator_control"},
    {"Nav Derivative Control", "nav_derivative_control", "nav_derivative_control"},
    {"Nav Integrator Boundary", "nav_integrator_boundary", "nav_integrator_boundary"},
    {"Nav Derivative Boundary", "nav_derivative_boundary", "nav_derivative_boundary"},
    {"GS Proportional Control", "gs_proportional_control", "gs_proportional_control"},
    {"GS Integrator Control", "gs_integrator_control", "gs_integrator_control"},
    {"GS Derivative Control", "gs_derivative_control", "gs_derivative_control"},
    {"GS Integrator Boundary", "gs_integrator_boundary", "gs_integrator_boundary"},
    {"GS Derivative Boundary", "gs_derivative_boundary", "gs_derivative_boundary"},
};
constexpr RowDef kAPOtherDataRows[] = {
    {"Use No Default Pitch", "use_no_default_pitch", "use_no_default_pitch"},
    {"Use No Default Bank", "use_no_default_bank", "use_no_default_bank"},
};
constexpr RowDef kRadiosDataRows[] = {
    {"Audio 1", "Audio.1", "Audio.1"},
    {"Com 1", "Com.1", "Com.1"},
    {"Com 2", "Com.2", "Com.2"},
    {"Nav 1", "Nav.1", "Nav.1"},
    {"Nav 2", "Nav.2", "Nav.2"},
    {"Adf 1", "Adf.1", "Adf.1"},
    {"Adf 2", "Adf.2", "Adf.2"},
    {"Transponder", "Transponder.1", "Transponder.1"},
    {"Marker 1", "Marker.1", "Marker.1"},
};
constexpr RowDef kElectricalRows[] = {
    {"Maximum Battery Voltage", "max_battery_voltage", "max_battery_voltage"},
    {"Gen-Alt Voltage", "generator_alternator_voltage", "generator_alternator_voltage"},
    {"Max Gen-Alt Amps", "max_generator_alternator_amps", "max_generator_alternator_amps"},
    {"Electrical Power Always On", "electric_always_available", "electric_always_available"},
    {"Flaps Motor", "flap_motor", "flap_motor"},
    {"Gear Motor", "gear_motor", "gear_motor"},
    {"Autopilot", "autopilot", "autopilot"},
    {"Avionics Bus", "avionics_bus", "avionics_bus"},
    {"Avionics", "avionics", "avionics"},
    {"Pitot Heat (Elec)", "pitot_heat", "pitot_heat"},
    {"Additional System", "additional_system", "additional_system"},
    {"Marker Beacon", "marker_beacon", "marker_beacon"},
    {"Gear Warning", "gear_warning", "gear_warning"},
    {"Fuel Pump", "fuel_pump", "fuel_pump"},
    {"Starter 1", "starter1", "starter1"},
    {"Starter 2", "starter2", "starter2"},
    {"Starter 3", "starter3", "starter3"},
    {"Starter 4", "starter4", "starter4"},
    {"Light - Nav", "light_nav", "light_nav"},
    {"Light - Beacon", "light_beacon", "light_beacon"},
    {"Light - Landing", "light_landing", "light_landing"},
    {"Light - Taxi", "light_taxi", "light_taxi"},
    {"Light - Strobe", "light_strobe", "light_strobe"},
    {"Light - Panel", "light_panel", "light_panel"},
    {"Light - Cabin", "light_cabin", "light_cabin"},
    {"Propeller Sync", "prop_sync", "prop_sync"},
    {"Auto Feather", "auto_feather", "auto_feather"},
    {"Auto Brakes", "auto_brakes", "auto_brakes"},
    {"Standby Vacuum", "standby_vacuum", "standby_vacuum"},
    {"Hydraulic Pump", "hydraulic_pump", "hydraulic_pump"},
    {"Fuel Transfer", "fuel_transfer_pump", "fuel_transfer_pump"},
    {"Propeller Deice", "propeller_deice", "propeller_deice"},
    {"Light - Recognition", "light_recognition", "light_recognition"},
    {"Light - Wing", "light_wing", "light_wing"},
    {"Light - Logo", "light_logo", "light_logo"},
    {"Directional Gyro", "directional_gyro", "directional_gyro"},
    {"Directional Gyro Slaving", "directional_gyro_slaving", "directional_gyro_slaving"},
    {"Engine Generator Map", "engine_generator_map", "engine_generator_map"},
};
constexpr FamilyDef kLightsDataFamilies[] = {
    {"light.", "Light - "},
};
constexpr RowDef kPressRows[] = {
    {"Design Cabin Pressure", "design_cabin_pressure", "design_cabin_pressure"},
    {"Max Pressure Differential", "max_pressure_differential", "max_pressure_differential"},
};
constexpr FamilyDef kSmokeSystemDataFamilies[] = {
    {"smoke.", "Smoke - "},
};
constexpr RowDef kPitotStaticDataRows[] = {
    {"Vertical Speed Time Constant", "vertical_speed_time_constant", "vertical_speed_time_constant"},
    {"Pitot Heat", "pitot_heat", "pitot_heat"},
};
constexpr RowDef kHydSysDataRows[] = {
    {"Engine Map - Hyd", "engine_map", "engine_map"},
    {"Normal Pressure", "normal_pressure", "normal_pressure"},
    {"Electric Pumps", "electric_pumps", "electric_pumps"},
};
constexpr RowDef kVacuumSysRows[] = {
    {"Max Pressure", "max_pressure", "max_pressure"},
    {"Vacuum Type", "vacuum_type", "vacuum_type"},
    {"Electric Backup Pressure", "electric_backup_pressure", "electric_backup_pressure"},
    {"Engine Map - Vac", "engine_map", "engine_map"},
};
constexpr RowDef kPneuSysRows[] = {
    {"Max Pressure", "max_pressure", "max_pressure"},
    {"Bleed Air Scalar", "bleed_air_scalar", "bleed_air_scalar"},
};
constexpr RowDef kDeiceSysRows[] = {
    {"Structural Deice Type", "structural_deice_type", "structural_deice_type"},
};
constexpr RowDef kWaterBalRows[] = {
    {"Tank 0", "tank.0", "tank.0"},
    {"Tank 1", "tank.1", "tank.1"},
    {"Tank 2", "tank.2", "tank.2"},
    {"Tank 3", "tank.3", "tank.3"},
    {"Tank 4", "tank.4", "tank.4"},
    {"Tank 5", "tank.5", "tank.5"},
    {"Number of Release Valves", "numberofreleasevalves", "numberofreleasevalves"},
    {"Dump Rate", "dumprate", "dumprate"},
};
constexpr RowDef kGearWarnSysDataRows[] = {
    {"Gear Warning Available", "gear_warning_available", "gear_warning_available"},
    {"Throttle Limit Percetage", "pct_throttle_limit", "pct_throttle_limit"},
    {"Flap Limit Idle", "flap_limit_idle", "flap_limit_idle"},
    {"Flap Limit Power", "flap_limit_power", "flap_limit_power"},
};
constexpr RowDef kStallWarnDataRows[] = {
    {"Stall Warning Type", "type", "type"},
    {"Stick Shaker", "stick_shaker", "stick_shaker"},
};
constexpr RowDef kYawStrRows[] = {
    {"Yaw String Available", "yaw_string_available", "yaw_string_available"},
};
constexpr RowDef kGpwsRows[] = {
    {"Max Warning Height", "max_warning_height", "max_warning_height"},
    {"Sink Rate FPM", "sink_rate_fpm", "sink_rate_fpm"},
    {"Excessive Sink Rate FPM", "excessive_sink_rate_fpm", "excessive_sink_rate_fpm"},
    {"Climbout Sink Rate FPM", "climbout_sink_rate_fpm", "climbout_sink_rate_fpm"},
    {"Flap and Gear Sink Rate FPM", "flap_and_gear_sink_rate_fpm", "flap_and_gear_sink_rate_fpm"},
};
constexpr FamilyDef kAirspeedIndDataFamilies[] = {
    {"airspeed_indicator.", "Airspeed Indicator - "},
};
constexpr FamilyDef kAltimetersFamilies[] = {
    {"altimeter.", "Altimeter - "},
};
constexpr FamilyDef kAnemomFamilies[] = {
    {"anemometer.", "Anemometer - "},
};
constexpr FamilyDef kAttIndDataFamilies[] = {
    {"attitude_indicator.", "Attitude Indicator - "},
};
constexpr FamilyDef kDirIndFamilies[] = {
    {"direction_indicator.", "Direction Indicator - "},
    {"induction_compass.", "Induction Compass - "},
};
constexpr FamilyDef kMagCompFamilies[] = {
    {"compass.", "Compass - "},
};
constexpr FamilyDef kTurnIndDataFamilies[] = {
    {"turn_indicator.", "Turn Indicator - "},
};
constexpr FamilyDef kVariomFamilies[] = {
    {"variometer.", "Variometer - "},
};
constexpr RowDef kExitsDataRows[] = {
    {"Number of Exits", "number_of_exits", "number_of_exits"},
};
constexpr FamilyDef kExitsDataFamilies[] = {
    {"exit.", "Exit No. "},
};
constexpr RowDef kEffectsDataRows[] = {
    {"Wake", "Wake", "Wake"},
    {"Water", "Water", "Water"},
    {"Engine Fire", "enginefire", "Enginefire"},
    {"Dirt", "Dirt", "Dirt"},
    {"Concrete", "concrete", "Concrete"},
    {"Touchdown", "touchdown", "Touchdown"},
    {"Snow Track", "Snowtrack", "Snowtrack"},
    {"Wheel Snow Spray", "Wheelsnowspray", "WheelSnowSpray"},
    {"Wheel Wet Spray", "Wheelwetspray", "WheelWetSpray"},
    {"Startup", "startup", "Startup"},
    {"Windshield Rain Effect Available", "windshield_rain_effect_available", "windshield_rain_effect_available"},
};
constexpr RowDef kFoldWingsRows[] = {
    {"Wing Fold System Type", "wing_fold_system_type", "wing_fold_system_type"},
    {"Fold Rates", "fold_rates", "fold_rates"},
};
constexpr RowDef kRealConstRows[] = {
    {"Roll Moment From Beta", "rollmomentfrombeta", "rollmomentfrombeta"},
    {"Roll Moment From Ailerons", "rollmomentfromailerons", "rollmomentfromailerons"},
    {"Pitch Moment Zero Alpha", "pitchmomentzeroalpha", "pitchmomentzeroalpha"},
};
constexpr RowDef kAirplaneGeoDataRows[] = {
    {"Wing Area", "wing_area", "wing_area"},
    {"Wing Span", "wing_span", "wing_span"},
    {"Wing Root Chord", "wing_root_chord", "wing_root_chord"},
    {"Wing Dihedral", "wing_dihedral", "wing_dihedral"},
    {"Wing Incidence", "wing_incidence", "wing_incidence"},
    {"Wing Twist", "wing_twist", "wing_twist"},
    {"Oswald Efficiency Factor", "oswald_efficiency_factor", "oswald_efficiency_factor"},
    {"Wing Winglets Flag", "wing_winglets_flag", "wing_winglets_flag"},
    {"Wing Sweep", "wing_sweep", "wing_sweep"},
    {"Wing Pos Apex Lon", "wing_pos_apex_lon", "wing_pos_apex_lon"},
    {"Wing Pos Apex Vert", "wing_pos_apex_vert", "wing_pos_apex_vert"},
    {"Horizontal Tail Area", "htail_area", "htail_area"},
    {"Horizontal Tail Span", "htail_span", "htail_span"},
    {"Horizontal Tail Pos Lon", "htail_pos_lon", "htail_pos_lon"},
    {"Horizontal Tail Pos Vert", "htail_pos_vert", "htail_pos_vert"},
    {"Horizontal Tail Incidence", "htail_incidence", "htail_incidence"},
    {"Horizontal Tail Sweep", "htail_sweep", "htail_sweep"},
    {"Veritcal Tail Area", "vtail_area", "vtail_area"},
    {"Veritcal Tail Span", "vtail_span", "vtail_span"},
    {"Veritcal Tail Sweep", "vtail_sweep", "vtail_sweep"},
    {"Veritcal Tail Pos Lon", "vtail_pos_lon", "vtail_pos_lon"},
    {"Veritcal Tail Pos Vert", "vtail_pos_vert", "vtail_pos_vert"},
    {"Elevator Area", "elevator_area", "elevator_area"},
    {"Aileron Area", "aileron_area", "aileron_area"},
    {"Rudder Area", "rudder_area", "rudder_area"},
    {"Elevator Up Limit", "elevator_up_limit", "elevator_up_limit"},
    {"Elevator Down Limit", "elevator_down_limit", "elevator_down_limit"},
    {"Aileron Up Limit", "aileron_up_limit", "aileron_up_limit"},
    {"Aileron Down Limit", "aileron_down_limit", "aileron_down_limit"},
    {"Rudder Limit", "rudder_limit", "rudder_limit"},
    {"Elevator Trim Limit", "elevator_trim_limit", "elevator_trim_limit"},
    {"Spoiler Limit", "spoiler_limit", "spoiler_limit"},
    {"Spoilerons Available", "spoilerons_available", "spoilerons_available"},
    {"Aileron to Spoiler Gain", "aileron_to_spoileron_gain", "aileron_to_spoileron_gain"},
    {"Spoiler Handle Available", "spoiler_handle_available", "spoiler_handle_available"},
    {"Min Ailerons for Spoilerons", "min_ailerons_for_spoilerons", "min_ailerons_for_spoilerons"},
    {"Min Flaps for Spoilerons", "min_flaps_for_spoilerons", "min_flaps_for_spoilerons"},
    {"Aileron to Rudder Scale", "aileron_to_rudder_scale", "aileron_to_rudder_scale"},
    {"Spoiler Extension Time", "spoiler_extension_time", "spoiler_extension_time"},
    {"Auto Spoiler Available", "auto_spoiler_available", "auto_spoiler_available"},
    {"Pos g Limit Flaps Up", "positive_g_limit_flaps_up", "positive_g_limit_flaps_up"},
    {"Pos g Limit Flaps Down", "positive_g_limit_flaps_down", "positive_g_limit_flaps_down"},
    {"Negative g Limit Flaps Up", "negative_g_limit_flaps_up", "negative_g_limit_flaps_up"},
    {"Negative g Limit Flaps Down", "negative_g_limit_flaps_down", "negative_g_limit_flaps_down"},
    {"Load Safety Factor", "load_safety_factor", "load_safety_factor"},
    {"Fly By Wire", "fly_by_wire", "fly_by_wire"},
    {"Flap To Aileron Scale", "flap_to_aileron_scale", "flap_to_aileron_scale"},
};
constexpr RowDef kContactPntsDataRows[] = {
    {"Max Number Of Points", "max_number_of_points", "max_number_of_points"},
    {"Static Pitch", "static_pitch", "static_pitch"},
    {"Static cg Height", "static_cg_height", "static_cg_height"},
    {"Gear System Type", "gear_system_type", "gear_system_type"},
    {"Emergency Extension Type", "emergency_extension_type", "emergency_extension_type"},
    {"Tailwheel Lock", "tailwheel_lock", "tailwheel_lock"},
};
constexpr FamilyDef kContactPntsDataFamilies[] = {
    {"point.", "Contact Point - "},
};
} // namespace

const std::span<const RowDef> variationRows = kVariationRows;

const SingleTable singleTables[] = {
    {"lvGeneral", "General", "[General]", "pnlGeneral", "General:", 180, 110, TableKind::Fixed,
     kGeneralRows, {}, -1},
    {"lvKeyboard", "keyboard_response", "[Keyboard]", "pnlKeyboard", "Keyboard:", 180, 110, TableKind::Fixed,
     kKeyboardRows, {}, -1},
    {"lvRefSpeeds", "Reference Speeds", "[Reference Speeds]", "pnlRefSpeeds", "Reference Speeds:", 180, 110, TableKind::Fixed,
     kRefSpeedsRows, {}, -1},
    {"lvFlight", "flight_tuning", "[Flight Tuning]", "pnlFlight", "Flight Tuning:", 200, 90, TableKind::Fixed,
     kFlightRows, {}, -1},
    {"lvViewsData", "views", "[Views]", "pnlViewsData", "Views:", 180, 110, TableKind::Fixed,
     kViewsDataRows, {}, -1},
    {"lvFuel", "fuel", "[Fuel]", "pnlFuel", "Fuel:", 180, 110, TableKind::Fixed,
     kFuelRows, {}, -1},
    {"lvGenEngData", "GeneralEngineData", "[General Engine Data]", "pnlGenEngData", "General Engine Data:", 180, 110, TableKind::WithFamilies,
     kGenEngDataRows, kGenEngDataFamilies, -1},
    {"lvPistonEngData", "piston_engine", "[Piston Engine]", "pnlPistonEngData", "Piston Engine:", 180, 110, TableKind::Fixed,
     kPistonEngDataRows, {}, -1},
    {"lvPropData", "propeller", "[Propeller]", "pnlPropData", "Propeller:", 180, 110, TableKind::WithFamilies,
     kPropDataRows, kPropDataFamilies, -1},
    {"lvTurbEngData", "TurbineEngineData", "[Turbine Engine Data]", "pnlTurbEngData", "Turbine Engine:", 180, 110, TableKind::Fixed,
     kTurbEngDataRows, {}, -1},
    {"lvJetEngData", "jet_engine", "[Jet Engine]", "pnlJetEngData", "Jet Engine:", 180, 110, TableKind::Fixed,
     kJetEngDataRows, {}, -1},
    {"lvTurboPropEngData", "turboprop_engine", "[Turboprop Engine]", "pnlTurboPropEngData", "Turboprop Engine:", 180, 110, TableKind::Fixed,
     kTurboPropEngDataRows, {}, -1},
    {"lvBrakesData", "brakes", "[Brakes]", "pnlBrakesData", "Brakes:", 180, 110, TableKind::Fixed,
     kBrakesDataRows, {}, -1},
    {"lvFlaps0Data", "flaps.0", "[Flaps 1]", "pnlFlaps0Data", "[Flaps 1]:", 180, 110, TableKind::Flaps,
     kFlapRows, kFlapFamilies, 0},
    {"lvFlaps1Data", "flaps.1", "[Flaps 2]", "pnlFlaps1Data", "Flaps 2:", 180, 110, TableKind::Flaps,
     kFlapRows, kFlapFamilies, 1},
    {"lvFlaps2Data", "flaps.2", "[Flaps 3]", "pnlFlaps2Data", "Flaps 3:", 180, 110, TableKind::Flaps,
     kFlapRows, kFlapFamilies, 2},
    {"lvFlaps3Data", "flaps.3", "[Flaps 4]", "pnlFlaps3Data", "Flaps 4:", 180, 110, TableKind::Flaps,
     kFlapRows, kFlapFamilies, 3},
    {"lvAPGenData", "autopilot", "[Autopilot]", "pnlAPGenData", "Autopilot - General:", 180, 110, TableKind::Fixed,
     kAPGenDataRows, {}, -1},
    {"lvAPVerticalData", "autopilot", "Vertical Modes", "pnlAPVerticalData", "Autopilot - Vertical Modes:", 180, 110, TableKind::Fixed,
     kAPVerticalDataRows, {}, -1},
    {"lvAPLateralData", "autopilot", "Lateral Modes", "pnlAPLateralData", "Autopilot - Lateral Modes:", 180, 110, TableKind::Fixed,
     kAPLateralDataRows, {}, -1},
    {"lvAPSpeedData", "autopilot", "Speed Modes", "pnlAPSpeedData", "Autopilot - Speed Modes:", 180, 110, TableKind::Fixed,
     kAPSpeedDataRows, {}, -1},
    {"lvAPNavData", "autopilot", "Navigation Modes", "pnlAPNavData", "Autopilot - Navigation Modes:", 180, 110, TableKind::Fixed,
     kAPNavDataRows, {}, -1},
    {"lvAPOtherData", "autopilot", "Other", "pnlAPOtherData", "Autopilot - Other:", 180, 110, TableKind::Fixed,
     kAPOtherDataRows, {}, -1},
    {"lvRadiosData", "Radios", "[Radios]", "pnlRadiosData", "Radios:", 180, 110, TableKind::Fixed,
     kRadiosDataRows, {}, -1},
    {"lvElectrical", "electrical", "[Electrical]", "pnlElectrical", "Electrical:", 180, 110, TableKind::Fixed,
     kElectricalRows, {}, -1},
    {"lvLightsData", "lights", "[Lights]", "pnlLightsData", "Lights:", 180, 110, TableKind::FamiliesOnly,
     {}, kLightsDataFamilies, -1},
    {"lvPress", "pressurization", "[Pressurization]", "pnlPress", "Pressurization:", 180, 110, TableKind::Fixed,
     kPressRows, {}, -1},
    {"lvSmokeSystemData", "smokesystem", "[Smoke System]", "pnlSmokeSystemData", "Smoke System:", 180, 110, TableKind::FamiliesOnly,
     {}, kSmokeSystemDataFamilies, -1},
    {"lvPitotStaticData", "pitot_static", "[Pitot Static]", "pnlPitotStaticData", "Pitot Static:", 180, 110, TableKind::Fixed,
     kPitotStaticDataRows, {}, -1},
    {"lvHydSysData", "hydraulic_system", "[Hydraulic System]", "pnlHydSysData", "Hydraulic System:", 180, 110, TableKind::Fixed,
     kHydSysDataRows, {}, -1},
    {"lvVacuumSys", "vacuum_system", "[Vacuum System]", "pnlVacuumSys", "Vacuum System:", 180, 110, TableKind::Fixed,
     kVacuumSysRows, {}, -1},
    {"lvPneuSys", "pneumatic_system", "[Pneumatic System]", "pnlPneuSys", "Pneumatic System:", 180, 110, TableKind::Fixed,
     kPneuSysRows, {}, -1},
    {"lvDeiceSys", "deice_system", "[Deice System]", "pnlDeiceSys", "Deice System:", 180, 110, TableKind::Fixed,
     kDeiceSysRows, {}, -1},
    {"lvWaterBal", "Water Ballast System", "[Water Ballast System]", "pnlWaterBal", "Water Ballast System:", 180, 110, TableKind::Fixed,
     kWaterBalRows, {}, -1},
    {"lvGearWarnSysData", "gear_warning_system", "[Gear Warning System]", "pnlGearWarnSysData", "Gear Warning System:", 180, 110, TableKind::Fixed,
     kGearWarnSysDataRows, {}, -1},
    {"lvStallWarnData", "stall_warning", "[Stall Warning]", "pnlStallWarnData", "Stall Warning:", 190, 110, TableKind::Fixed,
     kStallWarnDataRows, {}, -1},
    {"lvYawStr", "yaw_string", "[Yaw String]", "pnlYawStr", "Yaw String:", 180, 110, TableKind::Fixed,
     kYawStrRows, {}, -1},
    {"lvGpws", "gpws", "[GPWS]", "pnlGpws", "GPWS:", 180, 110, TableKind::Fixed,
     kGpwsRows, {}, -1},
    {"lvAirspeedIndData", "airspeed_indicators", "[Airspeed Indicators]", "pnlAirspeedIndData", "Airspeed Indicators:", 180, 110, TableKind::FamiliesOnly,
     {}, kAirspeedIndDataFamilies, -1},
    {"lvAltimeters", "altimeters", "[Altimeters]", "pnlAltimeters", "Altimeters:", 180, 110, TableKind::FamiliesOnly,
     {}, kAltimetersFamilies, -1},
    {"lvAnemom", "anemometers", "[Anemometers]", "pnlAnemom", "Anemometers:", 180, 110, TableKind::FamiliesOnly,
     {}, kAnemomFamilies, -1},
    {"lvAttIndData", "attitude_indicators", "[Attitude Indicators]", "pnlAttIndData", "Attitude Indicators:", 180, 110, TableKind::FamiliesOnly,
     {}, kAttIndDataFamilies, -1},
    {"lvDirInd", "direction_indicators", "[Direction Indicators]", "pnlDirIndData", "Direction Indicators:", 180, 110, TableKind::FamiliesOnly,
     {}, kDirIndFamilies, -1},
    {"lvMagComp", "magneticcompass", "[Magnetic Compass]", "pnlMagComp", "Magnetic Compass:", 180, 110, TableKind::FamiliesOnly,
     {}, kMagCompFamilies, -1},
    {"lvTurnIndData", "turn_indicators", "[Turn Indicators]", "pnlTurnIndData", "Turn Indicators:", 180, 110, TableKind::FamiliesOnly,
     {}, kTurnIndDataFamilies, -1},
    {"lvVariom", "variometers", "[Variometers]", "pnlVariom", "Variometers:", 180, 110, TableKind::FamiliesOnly,
     {}, kVariomFamilies, -1},
    {"lvExitsData", "exits", "[Exits]", "pnlExitsData", "Exits:", 180, 110, TableKind::WithFamilies,
     kExitsDataRows, kExitsDataFamilies, -1},
    {"lvEffectsData", "EFFECTS", "[Effects]", "pnlEffectsData", "Effects:", 190, 110, TableKind::Fixed,
     kEffectsDataRows, {}, -1},
    {"lvFoldWings", "folding wings", "[Folding Wings]", "pnlFoldWings", "Folding Wings:", 180, 110, TableKind::Fixed,
     kFoldWingsRows, {}, -1},
    {"lvRealConst", "realismconstants", "[Realism Constants]", "pnlRealConst", "Realism Constants:", 180, 110, TableKind::Fixed,
     kRealConstRows, {}, -1},
    {"lvAirplaneGeoData", "airplane_geometry", "[Airplane Geometry]", "pnlAirplaneGeoData", "Airplane Geometry:", 180, 110, TableKind::Fixed,
     kAirplaneGeoDataRows, {}, -1},
    {"lvContactPntsData", "contact_points", "[Contact Points]", "pnlContactPntsData", "Contact Points:", 180, 110, TableKind::WithFamilies,
     kContactPntsDataRows, kContactPntsDataFamilies, -1},
};
const std::span<const SingleTable> singleTableList = singleTables;

// Single-section tables in the order a save writes them (after the variation tables).
const std::string_view writeOrderNames[] = {
    "lvGeneral", "lvFlight", "lvRefSpeeds", "lvKeyboard",
    "lvHydSysData", "lvFuel", "lvGenEngData", "lvTurbEngData",
    "lvJetEngData", "lvTurboPropEngData", "lvPitotStaticData", "lvViewsData",
    "lvExitsData", "lvFlaps0Data", "lvFlaps1Data", "lvFlaps2Data",
    "lvFlaps3Data", "lvGearWarnSysData", "lvBrakesData", "lvRadiosData",
    "lvAirplaneGeoData", "lvPistonEngData", "lvElectrical", "lvPropData",
    "lvAPGenData", "lvAPVerticalData", "lvAPLateralData", "lvAPSpeedData",
    "lvAPNavData", "lvAPOtherData", "lvStallWarnData", "lvEffectsData",
    "lvVacuumSys", "lvPneuSys", "lvGpws", "lvDeiceSys",
    "lvPress", "lvYawStr", "lvWaterBal", "lvFoldWings",
    "lvRealConst", "lvContactPntsData", "lvAltimeters", "lvAnemom",
    "lvMagComp", "lvVariom", "lvLightsData", "lvDirInd",
    "lvAttIndData", "lvTurnIndData", "lvAirspeedIndData", "lvSmokeSystemData",
};
const std::span<const std::string_view> writeOrder = writeOrderNames;

const TreeNode treeNodeList[] = {
    {1, "[Main]", 0, "pnlFltsim", "Main:", "lvMainAircraft_0"},
    {2, "Description", 1, "pnlFltsimDesc", "Main - Description:", ""},
    {3, "[General]", 0, "pnlGeneral", "General:", "lvGeneral"},
    {4, "[Keyboard]", 0, "pnlKeyboard", "Keyboard:", "lvKeyboard"},
    {5, "[Reference Speeds]", 0, "pnlRefSpeeds", "Reference Speeds:", "lvRefSpeeds"},
    {6, "[Flight Tuning]", 0, "pnlFlight", "Flight Tuning:", "lvFlight"},
    {7, "[Views]", 0, "pnlViewsData", "Views:", "lvViewsData"},
    {8, "[Fuel]", 0, "pnlFuel", "Fuel:", "lvFuel"},
    {9, "[General Engine Data]", 0, "pnlGenEngData", "General Engine Data:", "lvGenEngData"},
    {10, "[Piston Engine]", 9, "pnlPistonEngData", "Piston Engine:", "lvPistonEngData"},
    {11, "[Propeller]", 9, "pnlPropData", "Propeller:", "lvPropData"},
    {12, "[Turbine Engine Data]", 9, "pnlTurbEngData", "Turbine Engine:", "lvTurbEngData"},
    {13, "[Jet Engine]", 9, "pnlJetEngData", "Jet Engine:", "lvJetEngData"},
    {14, "[Turboprop Engine]", 9, "pnlTurboPropEngData", "Turboprop Engine:", "lvTurboPropEngData"},
    {15, "[Brakes]", 0, "pnlBrakesData", "Brakes:", "lvBrakesData"},
    {16, "[Flaps 1]", 0, "pnlFlaps0Data", "[Flaps 1]:", "lvFlaps0Data"},
    {17, "[Flaps 2]", 16, "pnlFlaps1Data", "Flaps 2:", "lvFlaps1Data"},
    {18, "[Flaps 3]", 16, "pnlFlaps2Data", "Flaps 3:", "lvFlaps2Data"},
    {19, "[Flaps 4]", 16, "pnlFlaps3Data", "Flaps 4:", "lvFlaps3Data"},
    {20, "[Autopilot]", 0, "pnlAPGenData", "Autopilot - General:", "lvAPGenData"},
    {21, "Vertical Modes", 20, "pnlAPVerticalData", "Autopilot - Vertical Modes:", "lvAPVerticalData"},
    {22, "Lateral Modes", 20, "pnlAPLateralData", "Autopilot - Lateral Modes:", "lvAPLateralData"},
    {23, "Speed Modes", 20, "pnlAPSpeedData", "Autopilot - Speed Modes:", "lvAPSpeedData"},
    {24, "Navigation Modes", 20, "pnlAPNavData", "Autopilot - Navigation Modes:", "lvAPNavData"},
    {25, "Other", 20, "pnlAPOtherData", "Autopilot - Other:", "lvAPOtherData"},
    {26, "[Radios]", 0, "pnlRadiosData", "Radios:", "lvRadiosData"},
    {27, "[Electrical]", 0, "pnlElectrical", "Electrical:", "lvElectrical"},
    {28, "[Lights]", 0, "pnlLightsData", "Lights:", "lvLightsData"},
    {29, "[Pressurization]", 0, "pnlPress", "Pressurization:", "lvPress"},
    {30, "[Smoke System]", 0, "pnlSmokeSystemData", "Smoke System:", "lvSmokeSystemData"},
    {31, "[Pitot Static]", 0, "pnlPitotStaticData", "Pitot Static:", "lvPitotStaticData"},
    {32, "[Hydraulic System]", 0, "pnlHydSysData", "Hydraulic System:", "lvHydSysData"},
    {33, "[Vacuum System]", 0, "pnlVacuumSys", "Vacuum System:", "lvVacuumSys"},
    {34, "[Pneumatic System]", 0, "pnlPneuSys", "Pneumatic System:", "lvPneuSys"},
    {35, "[Deice System]", 0, "pnlDeiceSys", "Deice System:", "lvDeiceSys"},
    {36, "[Water Ballast System]", 0, "pnlWaterBal", "Water Ballast System:", "lvWaterBal"},
    {37, "[Gear Warning System]", 0, "pnlGearWarnSysData", "Gear Warning System:", "lvGearWarnSysData"},
    {38, "[Stall Warning]", 0, "pnlStallWarnData", "Stall Warning:", "lvStallWarnData"},
    {39, "[Yaw String]", 0, "pnlYawStr", "Yaw String:", "lvYawStr"},
    {40, "[GPWS]", 0, "pnlGpws", "GPWS:", "lvGpws"},
    {41, "[Airspeed Indicators]", 0, "pnlAirspeedIndData", "Airspeed Indicators:", "lvAirspeedIndData"},
    {42, "[Altimeters]", 0, "pnlAltimeters", "Altimeters:", "lvAltimeters"},
    {43, "[Anemometers]", 0, "pnlAnemom", "Anemometers:", "lvAnemom"},
    {44, "[Attitude Indicators]", 0, "pnlAttIndData", "Attitude Indicators:", "lvAttIndData"},
    {45, "[Direction Indicators]", 0, "pnlDirIndData", "Direction Indicators:", "lvDirInd"},
    {46, "[Magnetic Compass]", 0, "pnlMagComp", "Magnetic Compass:", "lvMagComp"},
    {47, "[Turn Indicators]", 0, "pnlTurnIndData", "Turn Indicators:", "lvTurnIndData"},
    {48, "[Variometers]", 0, "pnlVariom", "Variometers:", "lvVariom"},
    {49, "[Exits]", 0, "pnlExitsData", "Exits:", "lvExitsData"},
    {50, "[Effects]", 0, "pnlEffectsData", "Effects:", "lvEffectsData"},
    {51, "[Folding Wings]", 0, "pnlFoldWings", "Folding Wings:", "lvFoldWings"},
    {52, "[Realism Constants]", 0, "pnlRealConst", "Realism Constants:", "lvRealConst"},
    {53, "[Airplane Geometry]", 0, "pnlAirplaneGeoData", "Airplane Geometry:", "lvAirplaneGeoData"},
    {54, "[Contact Points]", 0, "pnlContactPntsData", "Contact Points:", "lvContactPntsData"},
};
const std::span<const TreeNode> treeNodes = treeNodeList;

// clang-format on

} // namespace rivetbench::config::data
