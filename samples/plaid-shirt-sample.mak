{
    "current": {
        "fabric": 0,
        "layer": 0
    },
    "fabrics": [
        {
            "blockEdge": "alongBlock",
            "blockMargin": 1,
            "colour": "#9c3d3d",
            "layers": [
                {
                    "objects": [
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 75.5,
                                                "y": 97.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 112.74,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 140.18,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 146.06,
                                                "y": 101.34
                                            },
                                            {
                                                "type": "curve",
                                                "x": 148.02,
                                                "y": 105.18
                                            },
                                            {
                                                "type": "corner",
                                                "x": 149,
                                                "y": 109.02
                                            },
                                            {
                                                "type": "corner",
                                                "x": 145.08,
                                                "y": 122.46
                                            },
                                            {
                                                "type": "curve",
                                                "x": 136.26,
                                                "y": 123.42
                                            },
                                            {
                                                "type": "curve",
                                                "x": 129.4,
                                                "y": 122.46
                                            },
                                            {
                                                "type": "corner",
                                                "x": 124.5,
                                                "y": 124.38
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 95.1,
                                                "y": 124.38
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75.5,
                                                "y": 124.38
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 134.3,
                                            "y": 110.94
                                        },
                                        "start": {
                                            "x": 90.2,
                                            "y": 110.94
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 104.9,
                                                    "y": 110.94
                                                },
                                                {
                                                    "x": 112.25,
                                                    "y": 110.94
                                                },
                                                {
                                                    "x": 119.6,
                                                    "y": 110.94
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 149.5,
                                                "y": 124.38
                                            },
                                            {
                                                "type": "corner",
                                                "x": 149.5,
                                                "y": 97.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 169.1,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 198.5,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 203.4,
                                                "y": 99.42
                                            },
                                            {
                                                "type": "curve",
                                                "x": 210.26,
                                                "y": 98.46
                                            },
                                            {
                                                "type": "corner",
                                                "x": 219.08,
                                                "y": 99.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 223,
                                                "y": 112.86
                                            },
                                            {
                                                "type": "curve",
                                                "x": 222.02,
                                                "y": 116.7
                                            },
                                            {
                                                "type": "curve",
                                                "x": 220.06,
                                                "y": 120.54
                                            },
                                            {
                                                "type": "corner",
                                                "x": 214.18,
                                                "y": 124.38
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 186.74,
                                                "y": 124.38
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 208.3,
                                            "y": 110.94
                                        },
                                        "start": {
                                            "x": 164.2,
                                            "y": 110.94
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 178.9,
                                                    "y": 110.94
                                                },
                                                {
                                                    "x": 186.25,
                                                    "y": 110.94
                                                },
                                                {
                                                    "x": 193.6,
                                                    "y": 110.94
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 75.5,
                                                "y": 0.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 95.1,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 124.5,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 129.4,
                                                "y": 2.42
                                            },
                                            {
                                                "type": "curve",
                                                "x": 136.26,
                                                "y": 3.38
                                            },
                                            {
                                                "type": "corner",
                                                "x": 146.06,
                                                "y": 5.3
                                            },
                                            {
                                                "type": "corner",
                                                "x": 149,
                                                "y": 18.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 147.04,
                                                "y": 26.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 149,
                                                "y": 34.1
                                            },
                                            {
                                                "type": "corner",
                                                "x": 146.06,
                                                "y": 47.54
                                            },
                                            {
                                                "type": "curve",
                                                "x": 136.26,
                                                "y": 49.46
                                            },
                                            {
                                                "type": "curve",
                                                "x": 129.4,
                                                "y": 50.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 124.5,
                                                "y": 52.34
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 95.1,
                                                "y": 52.34
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75.5,
                                                "y": 52.34
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 75.5,
                                                "y": 26.42
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 134.3,
                                            "y": 26.42
                                        },
                                        "start": {
                                            "x": 90.2,
                                            "y": 26.42
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 104.9,
                                                    "y": 26.42
                                                },
                                                {
                                                    "x": 112.25,
                                                    "y": 26.42
                                                },
                                                {
                                                    "x": 119.6,
                                                    "y": 26.42
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 60.5,
                                                "y": 63.73
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104.15,
                                                "y": 55
                                            },
                                            {
                                                "type": "curve",
                                                "x": 110.94,
                                                "y": 60.82
                                            },
                                            {
                                                "type": "curve",
                                                "x": 116.76,
                                                "y": 68.58
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 118.7,
                                                "y": 75.37
                                            },
                                            {
                                                "type": "curve",
                                                "x": 116.76,
                                                "y": 82.16
                                            },
                                            {
                                                "type": "curve",
                                                "x": 110.94,
                                                "y": 89.92
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104.15,
                                                "y": 95.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 60.5,
                                                "y": 87.01
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 60.5,
                                                "y": 75.37
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 107.06,
                                            "y": 75.37
                                        },
                                        "start": {
                                            "x": 72.14,
                                            "y": 75.37
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 83.78,
                                                    "y": 75.37
                                                },
                                                {
                                                    "x": 89.6,
                                                    "y": 75.37
                                                },
                                                {
                                                    "x": 95.42,
                                                    "y": 75.37
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 119.2,
                                                "y": 87.01
                                            },
                                            {
                                                "type": "corner",
                                                "x": 162.85,
                                                "y": 95.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 169.64,
                                                "y": 89.92
                                            },
                                            {
                                                "type": "curve",
                                                "x": 175.46,
                                                "y": 82.16
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 177.4,
                                                "y": 75.37
                                            },
                                            {
                                                "type": "curve",
                                                "x": 175.46,
                                                "y": 68.58
                                            },
                                            {
                                                "type": "curve",
                                                "x": 169.64,
                                                "y": 60.82
                                            },
                                            {
                                                "type": "corner",
                                                "x": 162.85,
                                                "y": 55
                                            },
                                            {
                                                "type": "corner",
                                                "x": 119.2,
                                                "y": 63.73
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 119.2,
                                                "y": 75.37
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 165.76,
                                            "y": 75.37
                                        },
                                        "start": {
                                            "x": 130.84,
                                            "y": 75.37
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 142.48,
                                                    "y": 75.37
                                                },
                                                {
                                                    "x": 148.3,
                                                    "y": 75.37
                                                },
                                                {
                                                    "x": 154.12,
                                                    "y": 75.37
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 50.5,
                                                "y": 126
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 75.5,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 100.5,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 100.5,
                                                "y": 137.52
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50.5,
                                                "y": 137.52
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 90.5,
                                            "y": 131.76
                                        },
                                        "start": {
                                            "x": 60.5,
                                            "y": 131.76
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 143.5,
                                                "y": 126
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 164.5,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 185.5,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 182.5,
                                                "y": 133.68
                                            },
                                            {
                                                "type": "corner",
                                                "x": 146.5,
                                                "y": 133.68
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 177.1,
                                            "y": 129.84
                                        },
                                        "start": {
                                            "x": 151.9,
                                            "y": 129.84
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 223.5,
                                                "y": 99
                                            },
                                            {
                                                "type": "corner",
                                                "x": 230,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 236.5,
                                                "y": 99
                                            },
                                            {
                                                "type": "corner",
                                                "x": 236.5,
                                                "y": 111.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 230,
                                                "y": 111.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 223.5,
                                                "y": 111.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 233.9,
                                            "y": 104.5
                                        },
                                        "start": {
                                            "x": 226.1,
                                            "y": 104.5
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 6,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 177.9,
                                                "y": 55
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 215.9,
                                                "y": 55
                                            },
                                            {
                                                "type": "corner",
                                                "x": 243.9,
                                                "y": 55
                                            },
                                            {
                                                "type": "curve",
                                                "x": 249.9,
                                                "y": 59
                                            },
                                            {
                                                "type": "curve",
                                                "x": 251.9,
                                                "y": 63
                                            },
                                            {
                                                "type": "corner",
                                                "x": 252.9,
                                                "y": 67
                                            },
                                            {
                                                "type": "corner",
                                                "x": 248.9,
                                                "y": 81
                                            },
                                            {
                                                "type": "curve",
                                                "x": 239.9,
                                                "y": 82
                                            },
                                            {
                                                "type": "curve",
                                                "x": 232.9,
                                                "y": 81
                                            },
                                            {
                                                "type": "corner",
                                                "x": 227.9,
                                                "y": 83
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 197.9,
                                                "y": 83
                                            },
                                            {
                                                "type": "corner",
                                                "x": 177.9,
                                                "y": 83
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 237.9,
                                            "y": 69
                                        },
                                        "start": {
                                            "x": 192.9,
                                            "y": 69
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 207.9,
                                                    "y": 69
                                                },
                                                {
                                                    "x": 215.4,
                                                    "y": 69
                                                },
                                                {
                                                    "x": 222.9,
                                                    "y": 69
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 125.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 97.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 55,
                                                "y": 99.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 62,
                                                "y": 98.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 71,
                                                "y": 99.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75,
                                                "y": 113.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 74,
                                                "y": 117.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 72,
                                                "y": 121.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 66,
                                                "y": 125.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 38,
                                                "y": 125.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 60,
                                            "y": 111.5
                                        },
                                        "start": {
                                            "x": 15,
                                            "y": 111.5
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 30,
                                                    "y": 111.5
                                                },
                                                {
                                                    "x": 37.5,
                                                    "y": 111.5
                                                },
                                                {
                                                    "x": 45,
                                                    "y": 111.5
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 0.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 55,
                                                "y": 2.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 62,
                                                "y": 3.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 72,
                                                "y": 5.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75,
                                                "y": 19.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 73,
                                                "y": 27.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75,
                                                "y": 35.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 72,
                                                "y": 49.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 62,
                                                "y": 51.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 55,
                                                "y": 52.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50,
                                                "y": 54.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20,
                                                "y": 54.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 54.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 0,
                                                "y": 27.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 60,
                                            "y": 27.5
                                        },
                                        "start": {
                                            "x": 15,
                                            "y": 27.5
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 30,
                                                    "y": 27.5
                                                },
                                                {
                                                    "x": 37.5,
                                                    "y": 27.5
                                                },
                                                {
                                                    "x": 45,
                                                    "y": 27.5
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 149.5,
                                                "y": 9.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 194.5,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 201.5,
                                                "y": 6.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 207.5,
                                                "y": 14.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 209.5,
                                                "y": 21.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 207.5,
                                                "y": 28.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 201.5,
                                                "y": 36.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 194.5,
                                                "y": 42.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 149.5,
                                                "y": 33.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 149.5,
                                                "y": 21.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 197.5,
                                            "y": 21.5
                                        },
                                        "start": {
                                            "x": 161.5,
                                            "y": 21.5
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 173.5,
                                                    "y": 21.5
                                                },
                                                {
                                                    "x": 179.5,
                                                    "y": 21.5
                                                },
                                                {
                                                    "x": 185.5,
                                                    "y": 21.5
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 88
                                            },
                                            {
                                                "type": "corner",
                                                "x": 45,
                                                "y": 97
                                            },
                                            {
                                                "type": "curve",
                                                "x": 52,
                                                "y": 91
                                            },
                                            {
                                                "type": "curve",
                                                "x": 58,
                                                "y": 83
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 60,
                                                "y": 76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 58,
                                                "y": 69
                                            },
                                            {
                                                "type": "curve",
                                                "x": 52,
                                                "y": 61
                                            },
                                            {
                                                "type": "corner",
                                                "x": 45,
                                                "y": 55
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 64
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 0,
                                                "y": 76
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 48,
                                            "y": 76
                                        },
                                        "start": {
                                            "x": 12,
                                            "y": 76
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 24,
                                                    "y": 76
                                                },
                                                {
                                                    "x": 30,
                                                    "y": 76
                                                },
                                                {
                                                    "x": 36,
                                                    "y": 76
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 126
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 25,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 50,
                                                "y": 138
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 138
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 40,
                                            "y": 132
                                        },
                                        "start": {
                                            "x": 10,
                                            "y": 132
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 101,
                                                "y": 126
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 122,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 143,
                                                "y": 126
                                            },
                                            {
                                                "type": "corner",
                                                "x": 140,
                                                "y": 134
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104,
                                                "y": 134
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 134.6,
                                            "y": 130
                                        },
                                        "start": {
                                            "x": 109.4,
                                            "y": 130
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 237,
                                                "y": 99
                                            },
                                            {
                                                "type": "corner",
                                                "x": 243.5,
                                                "y": 97.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 250,
                                                "y": 99
                                            },
                                            {
                                                "type": "corner",
                                                "x": 250,
                                                "y": 111.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 243.5,
                                                "y": 111.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 237,
                                                "y": 111.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 247.4,
                                            "y": 104.5
                                        },
                                        "start": {
                                            "x": 239.6,
                                            "y": 104.5
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 6,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 62.8,
                                                "y": 198.16
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 101.56,
                                                "y": 198.16
                                            },
                                            {
                                                "type": "corner",
                                                "x": 130.12,
                                                "y": 198.16
                                            },
                                            {
                                                "type": "curve",
                                                "x": 136.24,
                                                "y": 202.32
                                            },
                                            {
                                                "type": "curve",
                                                "x": 138.28,
                                                "y": 206.48
                                            },
                                            {
                                                "type": "corner",
                                                "x": 139.3,
                                                "y": 210.64
                                            },
                                            {
                                                "type": "corner",
                                                "x": 135.22,
                                                "y": 225.2
                                            },
                                            {
                                                "type": "curve",
                                                "x": 126.04,
                                                "y": 226.24
                                            },
                                            {
                                                "type": "curve",
                                                "x": 118.9,
                                                "y": 225.2
                                            },
                                            {
                                                "type": "corner",
                                                "x": 113.8,
                                                "y": 227.28
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 83.2,
                                                "y": 227.28
                                            },
                                            {
                                                "type": "corner",
                                                "x": 62.8,
                                                "y": 227.28
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 124,
                                            "y": 212.72
                                        },
                                        "start": {
                                            "x": 78.1,
                                            "y": 212.72
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 93.4,
                                                    "y": 212.72
                                                },
                                                {
                                                    "x": 101.05,
                                                    "y": 212.72
                                                },
                                                {
                                                    "x": 108.7,
                                                    "y": 212.72
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 271.54
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 242.42
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20.4,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 51,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "curve",
                                                "x": 56.1,
                                                "y": 244.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 63.24,
                                                "y": 243.46
                                            },
                                            {
                                                "type": "corner",
                                                "x": 72.42,
                                                "y": 244.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 76.5,
                                                "y": 259.06
                                            },
                                            {
                                                "type": "curve",
                                                "x": 75.48,
                                                "y": 263.22
                                            },
                                            {
                                                "type": "curve",
                                                "x": 73.44,
                                                "y": 267.38
                                            },
                                            {
                                                "type": "corner",
                                                "x": 67.32,
                                                "y": 271.54
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 38.76,
                                                "y": 271.54
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 61.2,
                                            "y": 256.98
                                        },
                                        "start": {
                                            "x": 15.3,
                                            "y": 256.98
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 30.6,
                                                    "y": 256.98
                                                },
                                                {
                                                    "x": 38.25,
                                                    "y": 256.98
                                                },
                                                {
                                                    "x": 45.9,
                                                    "y": 256.98
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 141
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20.4,
                                                "y": 141
                                            },
                                            {
                                                "type": "corner",
                                                "x": 51,
                                                "y": 141
                                            },
                                            {
                                                "type": "curve",
                                                "x": 56.1,
                                                "y": 143.08
                                            },
                                            {
                                                "type": "curve",
                                                "x": 63.24,
                                                "y": 144.12
                                            },
                                            {
                                                "type": "corner",
                                                "x": 73.44,
                                                "y": 146.2
                                            },
                                            {
                                                "type": "corner",
                                                "x": 76.5,
                                                "y": 160.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 74.46,
                                                "y": 169.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 76.5,
                                                "y": 177.4
                                            },
                                            {
                                                "type": "corner",
                                                "x": 73.44,
                                                "y": 191.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 63.24,
                                                "y": 194.04
                                            },
                                            {
                                                "type": "curve",
                                                "x": 56.1,
                                                "y": 195.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 51,
                                                "y": 197.16
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 20.4,
                                                "y": 197.16
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 197.16
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 0,
                                                "y": 169.08
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 61.2,
                                            "y": 169.08
                                        },
                                        "start": {
                                            "x": 15.3,
                                            "y": 169.08
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 30.6,
                                                    "y": 169.08
                                                },
                                                {
                                                    "x": 38.25,
                                                    "y": 169.08
                                                },
                                                {
                                                    "x": 45.9,
                                                    "y": 169.08
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 77.5,
                                                "y": 150.27
                                            },
                                            {
                                                "type": "corner",
                                                "x": 123.85,
                                                "y": 141
                                            },
                                            {
                                                "type": "curve",
                                                "x": 131.06,
                                                "y": 147.18
                                            },
                                            {
                                                "type": "curve",
                                                "x": 137.24,
                                                "y": 155.42
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 139.3,
                                                "y": 162.63
                                            },
                                            {
                                                "type": "curve",
                                                "x": 137.24,
                                                "y": 169.84
                                            },
                                            {
                                                "type": "curve",
                                                "x": 131.06,
                                                "y": 178.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 123.85,
                                                "y": 184.26
                                            },
                                            {
                                                "type": "corner",
                                                "x": 77.5,
                                                "y": 174.99
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 77.5,
                                                "y": 162.63
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 126.94,
                                            "y": 162.63
                                        },
                                        "start": {
                                            "x": 89.86,
                                            "y": 162.63
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 102.22,
                                                    "y": 162.63
                                                },
                                                {
                                                    "x": 108.4,
                                                    "y": 162.63
                                                },
                                                {
                                                    "x": 114.58,
                                                    "y": 162.63
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 232.15
                                            },
                                            {
                                                "type": "corner",
                                                "x": 46.35,
                                                "y": 241.42
                                            },
                                            {
                                                "type": "curve",
                                                "x": 53.56,
                                                "y": 235.24
                                            },
                                            {
                                                "type": "curve",
                                                "x": 59.74,
                                                "y": 227
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 61.8,
                                                "y": 219.79
                                            },
                                            {
                                                "type": "curve",
                                                "x": 59.74,
                                                "y": 212.58
                                            },
                                            {
                                                "type": "curve",
                                                "x": 53.56,
                                                "y": 204.34
                                            },
                                            {
                                                "type": "corner",
                                                "x": 46.35,
                                                "y": 198.16
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 207.43
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 0,
                                                "y": 219.79
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 49.44,
                                            "y": 219.79
                                        },
                                        "start": {
                                            "x": 12.36,
                                            "y": 219.79
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 24.72,
                                                    "y": 219.79
                                                },
                                                {
                                                    "x": 30.9,
                                                    "y": 219.79
                                                },
                                                {
                                                    "x": 37.08,
                                                    "y": 219.79
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 91.5,
                                                "y": 242.42
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 116.5,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 141.5,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 141.5,
                                                "y": 254.9
                                            },
                                            {
                                                "type": "corner",
                                                "x": 91.5,
                                                "y": 254.9
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 131.5,
                                            "y": 248.66
                                        },
                                        "start": {
                                            "x": 101.5,
                                            "y": 248.66
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 142.5,
                                                "y": 242.42
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 163.5,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 184.5,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 181.5,
                                                "y": 250.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 145.5,
                                                "y": 250.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 176.1,
                                            "y": 246.58
                                        },
                                        "start": {
                                            "x": 150.9,
                                            "y": 246.58
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 77.5,
                                                "y": 243.92
                                            },
                                            {
                                                "type": "corner",
                                                "x": 84,
                                                "y": 242.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 90.5,
                                                "y": 243.92
                                            },
                                            {
                                                "type": "corner",
                                                "x": 90.5,
                                                "y": 256.42
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 84,
                                                "y": 256.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 77.5,
                                                "y": 256.42
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 87.9,
                                            "y": 249.42
                                        },
                                        "start": {
                                            "x": 80.1,
                                            "y": 249.42
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 6,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "end": {
                                "x": 253.9,
                                "y": 140
                            },
                            "start": {
                                "x": 253.9,
                                "y": 0
                            },
                            "text": "End of marker",
                            "type": "line"
                        },
                        {
                            "alignment": "center",
                            "angle": 0,
                            "centre": {
                                "x": 224.5,
                                "y": 210
                            },
                            "letterSize": 30,
                            "lines": [
                                "SH-200 plaid shirt",
                                "S and M laid, L waiting"
                            ],
                            "section": "standby",
                            "type": "text"
                        }
                    ],
                    "width": 140
                }
            ],
            "name": "Plaid shirting 140",
            "pieces": [
                {
                    "info": {
                        "description": "Buttonhole placket",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Left front",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-01",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 58.8,
                                    "y": 13.44
                                },
                                "start": {
                                    "x": 14.7,
                                    "y": 13.44
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 29.4,
                                            "y": 13.44
                                        },
                                        {
                                            "x": 36.75,
                                            "y": 13.44
                                        },
                                        {
                                            "x": 44.1,
                                            "y": 13.44
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 37.24,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 64.68,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 70.56,
                                    "y": 3.84
                                },
                                {
                                    "type": "curve",
                                    "x": 72.52,
                                    "y": 7.68
                                },
                                {
                                    "type": "corner",
                                    "x": 73.5,
                                    "y": 11.52
                                },
                                {
                                    "type": "corner",
                                    "x": 69.58,
                                    "y": 24.96
                                },
                                {
                                    "type": "curve",
                                    "x": 60.76,
                                    "y": 25.92
                                },
                                {
                                    "type": "curve",
                                    "x": 53.9,
                                    "y": 24.96
                                },
                                {
                                    "type": "corner",
                                    "x": 49,
                                    "y": 26.88
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 19.6,
                                    "y": 26.88
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 26.88
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 60,
                                    "y": 14
                                },
                                "start": {
                                    "x": 15,
                                    "y": 14
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30,
                                            "y": 14
                                        },
                                        {
                                            "x": 37.5,
                                            "y": 14
                                        },
                                        {
                                            "x": 45,
                                            "y": 14
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 38,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 66,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 72,
                                    "y": 4
                                },
                                {
                                    "type": "curve",
                                    "x": 74,
                                    "y": 8
                                },
                                {
                                    "type": "corner",
                                    "x": 75,
                                    "y": 12
                                },
                                {
                                    "type": "corner",
                                    "x": 71,
                                    "y": 26
                                },
                                {
                                    "type": "curve",
                                    "x": 62,
                                    "y": 27
                                },
                                {
                                    "type": "curve",
                                    "x": 55,
                                    "y": 26
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 28
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20,
                                    "y": 28
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 28
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 61.2,
                                    "y": 14.56
                                },
                                "start": {
                                    "x": 15.3,
                                    "y": 14.56
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30.6,
                                            "y": 14.56
                                        },
                                        {
                                            "x": 38.25,
                                            "y": 14.56
                                        },
                                        {
                                            "x": 45.9,
                                            "y": 14.56
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 38.76,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 67.32,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 73.44,
                                    "y": 4.16
                                },
                                {
                                    "type": "curve",
                                    "x": 75.48,
                                    "y": 8.32
                                },
                                {
                                    "type": "corner",
                                    "x": 76.5,
                                    "y": 12.48
                                },
                                {
                                    "type": "corner",
                                    "x": 72.42,
                                    "y": 27.04
                                },
                                {
                                    "type": "curve",
                                    "x": 63.24,
                                    "y": 28.08
                                },
                                {
                                    "type": "curve",
                                    "x": 56.1,
                                    "y": 27.04
                                },
                                {
                                    "type": "corner",
                                    "x": 51,
                                    "y": 29.12
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20.4,
                                    "y": 29.12
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 29.12
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Button stand",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Right front",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-02",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 58.8,
                                    "y": -13.44
                                },
                                "start": {
                                    "x": 14.7,
                                    "y": -13.44
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 29.4,
                                            "y": -13.44
                                        },
                                        {
                                            "x": 36.75,
                                            "y": -13.44
                                        },
                                        {
                                            "x": 44.1,
                                            "y": -13.44
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": -26.88
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 19.6,
                                    "y": -26.88
                                },
                                {
                                    "type": "corner",
                                    "x": 49,
                                    "y": -26.88
                                },
                                {
                                    "type": "curve",
                                    "x": 53.9,
                                    "y": -24.96
                                },
                                {
                                    "type": "curve",
                                    "x": 60.76,
                                    "y": -25.92
                                },
                                {
                                    "type": "corner",
                                    "x": 69.58,
                                    "y": -24.96
                                },
                                {
                                    "type": "corner",
                                    "x": 73.5,
                                    "y": -11.52
                                },
                                {
                                    "type": "curve",
                                    "x": 72.52,
                                    "y": -7.68
                                },
                                {
                                    "type": "curve",
                                    "x": 70.56,
                                    "y": -3.84
                                },
                                {
                                    "type": "corner",
                                    "x": 64.68,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 37.24,
                                    "y": 0
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 60,
                                    "y": -14
                                },
                                "start": {
                                    "x": 15,
                                    "y": -14
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30,
                                            "y": -14
                                        },
                                        {
                                            "x": 37.5,
                                            "y": -14
                                        },
                                        {
                                            "x": 45,
                                            "y": -14
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": -28
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20,
                                    "y": -28
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": -28
                                },
                                {
                                    "type": "curve",
                                    "x": 55,
                                    "y": -26
                                },
                                {
                                    "type": "curve",
                                    "x": 62,
                                    "y": -27
                                },
                                {
                                    "type": "corner",
                                    "x": 71,
                                    "y": -26
                                },
                                {
                                    "type": "corner",
                                    "x": 75,
                                    "y": -12
                                },
                                {
                                    "type": "curve",
                                    "x": 74,
                                    "y": -8
                                },
                                {
                                    "type": "curve",
                                    "x": 72,
                                    "y": -4
                                },
                                {
                                    "type": "corner",
                                    "x": 66,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 38,
                                    "y": 0
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 61.2,
                                    "y": -14.56
                                },
                                "start": {
                                    "x": 15.3,
                                    "y": -14.56
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30.6,
                                            "y": -14.56
                                        },
                                        {
                                            "x": 38.25,
                                            "y": -14.56
                                        },
                                        {
                                            "x": 45.9,
                                            "y": -14.56
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": -29.12
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20.4,
                                    "y": -29.12
                                },
                                {
                                    "type": "corner",
                                    "x": 51,
                                    "y": -29.12
                                },
                                {
                                    "type": "curve",
                                    "x": 56.1,
                                    "y": -27.04
                                },
                                {
                                    "type": "curve",
                                    "x": 63.24,
                                    "y": -28.08
                                },
                                {
                                    "type": "corner",
                                    "x": 72.42,
                                    "y": -27.04
                                },
                                {
                                    "type": "corner",
                                    "x": 76.5,
                                    "y": -12.48
                                },
                                {
                                    "type": "curve",
                                    "x": 75.48,
                                    "y": -8.32
                                },
                                {
                                    "type": "curve",
                                    "x": 73.44,
                                    "y": -4.16
                                },
                                {
                                    "type": "corner",
                                    "x": 67.32,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 38.76,
                                    "y": 0
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Centre back on the fold line",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Back",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-03",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 58.8,
                                    "y": 25.92
                                },
                                "start": {
                                    "x": 14.7,
                                    "y": 25.92
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 29.4,
                                            "y": 25.92
                                        },
                                        {
                                            "x": 36.75,
                                            "y": 25.92
                                        },
                                        {
                                            "x": 44.1,
                                            "y": 25.92
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 19.6,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 49,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 53.9,
                                    "y": 1.92
                                },
                                {
                                    "type": "curve",
                                    "x": 60.76,
                                    "y": 2.88
                                },
                                {
                                    "type": "corner",
                                    "x": 70.56,
                                    "y": 4.8
                                },
                                {
                                    "type": "corner",
                                    "x": 73.5,
                                    "y": 18.24
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 71.54,
                                    "y": 25.92
                                },
                                {
                                    "type": "corner",
                                    "x": 73.5,
                                    "y": 33.6
                                },
                                {
                                    "type": "corner",
                                    "x": 70.56,
                                    "y": 47.04
                                },
                                {
                                    "type": "curve",
                                    "x": 60.76,
                                    "y": 48.96
                                },
                                {
                                    "type": "curve",
                                    "x": 53.9,
                                    "y": 49.92
                                },
                                {
                                    "type": "corner",
                                    "x": 49,
                                    "y": 51.84
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 19.6,
                                    "y": 51.84
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 51.84
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 25.92
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 60,
                                    "y": 27
                                },
                                "start": {
                                    "x": 15,
                                    "y": 27
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30,
                                            "y": 27
                                        },
                                        {
                                            "x": 37.5,
                                            "y": 27
                                        },
                                        {
                                            "x": 45,
                                            "y": 27
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 55,
                                    "y": 2
                                },
                                {
                                    "type": "curve",
                                    "x": 62,
                                    "y": 3
                                },
                                {
                                    "type": "corner",
                                    "x": 72,
                                    "y": 5
                                },
                                {
                                    "type": "corner",
                                    "x": 75,
                                    "y": 19
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 73,
                                    "y": 27
                                },
                                {
                                    "type": "corner",
                                    "x": 75,
                                    "y": 35
                                },
                                {
                                    "type": "corner",
                                    "x": 72,
                                    "y": 49
                                },
                                {
                                    "type": "curve",
                                    "x": 62,
                                    "y": 51
                                },
                                {
                                    "type": "curve",
                                    "x": 55,
                                    "y": 52
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 54
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20,
                                    "y": 54
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 54
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 27
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 61.2,
                                    "y": 28.08
                                },
                                "start": {
                                    "x": 15.3,
                                    "y": 28.08
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 30.6,
                                            "y": 28.08
                                        },
                                        {
                                            "x": 38.25,
                                            "y": 28.08
                                        },
                                        {
                                            "x": 45.9,
                                            "y": 28.08
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20.4,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 51,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 56.1,
                                    "y": 2.08
                                },
                                {
                                    "type": "curve",
                                    "x": 63.24,
                                    "y": 3.12
                                },
                                {
                                    "type": "corner",
                                    "x": 73.44,
                                    "y": 5.2
                                },
                                {
                                    "type": "corner",
                                    "x": 76.5,
                                    "y": 19.76
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 74.46,
                                    "y": 28.08
                                },
                                {
                                    "type": "corner",
                                    "x": 76.5,
                                    "y": 36.4
                                },
                                {
                                    "type": "corner",
                                    "x": 73.44,
                                    "y": 50.96
                                },
                                {
                                    "type": "curve",
                                    "x": 63.24,
                                    "y": 53.04
                                },
                                {
                                    "type": "curve",
                                    "x": 56.1,
                                    "y": 54.08
                                },
                                {
                                    "type": "corner",
                                    "x": 51,
                                    "y": 56.16
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20.4,
                                    "y": 56.16
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 56.16
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 28.08
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Sleeve",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-04",
                        "referenceCode": ""
                    },
                    "quantity": 2,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": false,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 46.56,
                                    "y": 20.37
                                },
                                "start": {
                                    "x": 11.64,
                                    "y": 20.37
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 23.28,
                                            "y": 20.37
                                        },
                                        {
                                            "x": 29.1,
                                            "y": 20.37
                                        },
                                        {
                                            "x": 34.92,
                                            "y": 20.37
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 8.73
                                },
                                {
                                    "type": "corner",
                                    "x": 43.65,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 50.44,
                                    "y": 5.82
                                },
                                {
                                    "type": "curve",
                                    "x": 56.26,
                                    "y": 13.58
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 58.2,
                                    "y": 20.37
                                },
                                {
                                    "type": "curve",
                                    "x": 56.26,
                                    "y": 27.16
                                },
                                {
                                    "type": "curve",
                                    "x": 50.44,
                                    "y": 34.92
                                },
                                {
                                    "type": "corner",
                                    "x": 43.65,
                                    "y": 40.74
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 32.01
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 20.37
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 48,
                                    "y": 21
                                },
                                "start": {
                                    "x": 12,
                                    "y": 21
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 24,
                                            "y": 21
                                        },
                                        {
                                            "x": 30,
                                            "y": 21
                                        },
                                        {
                                            "x": 36,
                                            "y": 21
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 9
                                },
                                {
                                    "type": "corner",
                                    "x": 45,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 52,
                                    "y": 6
                                },
                                {
                                    "type": "curve",
                                    "x": 58,
                                    "y": 14
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 60,
                                    "y": 21
                                },
                                {
                                    "type": "curve",
                                    "x": 58,
                                    "y": 28
                                },
                                {
                                    "type": "curve",
                                    "x": 52,
                                    "y": 36
                                },
                                {
                                    "type": "corner",
                                    "x": 45,
                                    "y": 42
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 33
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 21
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 49.44,
                                    "y": 21.63
                                },
                                "start": {
                                    "x": 12.36,
                                    "y": 21.63
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 24.72,
                                            "y": 21.63
                                        },
                                        {
                                            "x": 30.9,
                                            "y": 21.63
                                        },
                                        {
                                            "x": 37.08,
                                            "y": 21.63
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 9.27
                                },
                                {
                                    "type": "corner",
                                    "x": 46.35,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 53.56,
                                    "y": 6.18
                                },
                                {
                                    "type": "curve",
                                    "x": 59.74,
                                    "y": 14.42
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 61.8,
                                    "y": 21.63
                                },
                                {
                                    "type": "curve",
                                    "x": 59.74,
                                    "y": 28.84
                                },
                                {
                                    "type": "curve",
                                    "x": 53.56,
                                    "y": 37.08
                                },
                                {
                                    "type": "corner",
                                    "x": 46.35,
                                    "y": 43.26
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 33.99
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 21.63
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Yoke",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-05",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 40,
                                    "y": 5.76
                                },
                                "start": {
                                    "x": 10,
                                    "y": 5.76
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 25,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 11.52
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 11.52
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 40,
                                    "y": 6
                                },
                                "start": {
                                    "x": 10,
                                    "y": 6
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 25,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 12
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 12
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 40,
                                    "y": 6.24
                                },
                                "start": {
                                    "x": 10,
                                    "y": 6.24
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 25,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 50,
                                    "y": 12.48
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 12.48
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Collar",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-06",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 33.6,
                                    "y": 3.84
                                },
                                "start": {
                                    "x": 8.4,
                                    "y": 3.84
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 21,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 42,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 39,
                                    "y": 7.68
                                },
                                {
                                    "type": "corner",
                                    "x": 3,
                                    "y": 7.68
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 33.6,
                                    "y": 4
                                },
                                "start": {
                                    "x": 8.4,
                                    "y": 4
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 21,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 42,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 39,
                                    "y": 8
                                },
                                {
                                    "type": "corner",
                                    "x": 3,
                                    "y": 8
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 33.6,
                                    "y": 4.16
                                },
                                "start": {
                                    "x": 8.4,
                                    "y": 4.16
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 21,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 42,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 39,
                                    "y": 8.32
                                },
                                {
                                    "type": "corner",
                                    "x": 3,
                                    "y": 8.32
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Left chest",
                        "fabricId": "PLAID-140",
                        "markerId": "",
                        "name": "Pocket",
                        "patternNo": "SH-200",
                        "pieceCode": "SH-07",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 10.4,
                                    "y": 7
                                },
                                "start": {
                                    "x": 2.6,
                                    "y": 7
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 6.5,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 14
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 6.5,
                                    "y": 14
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 14
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 10.4,
                                    "y": 7
                                },
                                "start": {
                                    "x": 2.6,
                                    "y": 7
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 6.5,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 14
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 6.5,
                                    "y": 14
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 14
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 10.4,
                                    "y": 7
                                },
                                "start": {
                                    "x": 2.6,
                                    "y": 7
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 6.5,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 1.5
                                },
                                {
                                    "type": "corner",
                                    "x": 13,
                                    "y": 14
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 6.5,
                                    "y": 14
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 14
                                }
                            ]
                        }
                    ]
                }
            ],
            "plaid": {
                "offsetX": 0,
                "offsetY": 0,
                "repeatX": 8,
                "repeatY": 8
            }
        }
    ],
    "format": "marker",
    "links": [
    ],
    "locks": [
    ],
    "name": "Plaid shirt SH-200, sizes S M L",
    "units": "cm",
    "version": 2
}
